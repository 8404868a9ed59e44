/*
 * simple_comm: up to five serial ports for other programs.
 *
 * A caller opens a port into one of five slots, writes bytes to it, and receives every byte
 * that arrives as a notification sent by a reader thread that runs for each open port. The
 * library keeps its own port table, independent of the workbench's own serial link.
 *
 * Exported functions and their ordinals:
 *
 *   1  Simple_Comm_Info        banner text
 *   2  Simple_Comm_Open        open a port into the lowest free slot
 *   3  Simple_Comm_Close       close a slot
 *   4  Simple_Comm_Write       write bytes to a slot
 *   5  Simple_Comm_PortCount   number of open ports
 *
 * Beside them, the notification layer: Simple_Comm_RegisterNotify,
 * Simple_Comm_UnregisterNotify, Simple_Comm_HoldMessage, Simple_Comm_TakeHeld and
 * Simple_Comm_ReleaseHeld.
 *
 * Status values returned by Open, Close and Write:
 *
 *   0                        success (SIMPLE_COMM_OK)
 *   1                        invalid or inactive slot, or no free slot (SIMPLE_COMM_BAD_SLOT)
 *   29                       a write accepted fewer bytes than requested
 *                            (SIMPLE_COMM_WRITE_FAULT)
 *   any other value          the operating system's error number (errno) of the failing
 *                            operation, for example ENOENT for a device that does not exist,
 *                            EBUSY for a device that is already open, ENOTTY for a path that is
 *                            not a serial device, EINVAL for settings the device cannot take
 *
 * Strings are NUL-terminated 8-bit character strings. The functions are meant to be called
 * from one thread; they are nevertheless safe to call from several threads and from inside a
 * notification procedure.
 */
#ifndef SIMPLE_COMM_H
#define SIMPLE_COMM_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

#if defined(__GNUC__)
#define SIMPLE_COMM_API __attribute__((visibility("default")))
#else
#define SIMPLE_COMM_API
#endif

#define SIMPLE_COMM_OK 0
#define SIMPLE_COMM_BAD_SLOT 1
#define SIMPLE_COMM_WRITE_FAULT 29

/* Number of port slots; slots are numbered 0 to SIMPLE_COMM_SLOTS - 1. */
#define SIMPLE_COMM_SLOTS 5

/* The notify message number that means "no notification" (the first user message number). */
#define SIMPLE_COMM_NO_NOTIFY 1024u

/* Mask bits of Simple_Comm_Open: the settings whose bit is set are applied, the others keep
 * the device's current values. */
#define SIMPLE_COMM_SET_BAUD 0x1u
#define SIMPLE_COMM_SET_BYTESIZE 0x2u
#define SIMPLE_COMM_SET_PARITY 0x4u
#define SIMPLE_COMM_SET_STOPBITS 0x8u

/* Parity values. */
#define SIMPLE_COMM_PARITY_NONE 0
#define SIMPLE_COMM_PARITY_ODD 1
#define SIMPLE_COMM_PARITY_EVEN 2
#define SIMPLE_COMM_PARITY_MARK 3
#define SIMPLE_COMM_PARITY_SPACE 4

/* Stop bit values. One and a half stop bits are refused with EINVAL: POSIX has no such
 * setting. */
#define SIMPLE_COMM_ONE_STOPBIT 0
#define SIMPLE_COMM_ONE5_STOPBITS 1
#define SIMPLE_COMM_TWO_STOPBITS 2

/* ---------------------------------------------------------------------------------------- */
/* Notification layer                                                                        */
/* ---------------------------------------------------------------------------------------- */

/* Opaque handle of a registered receiver ("window"). NULL means no notification. Handles are
 * never reused, so a stale handle simply receives nothing. */
typedef struct Simple_Comm_Window_* NotifyWindow;

/* One notification: a byte received on a port. */
typedef struct Simple_Comm_Message {
    NotifyWindow window; /* the receiver the message is sent to */
    uint32_t message;    /* the NotifyMessage given to Simple_Comm_Open */
    uintptr_t wParam;    /* number of bytes received (1) */
    intptr_t lParam;     /* address of the received bytes; copy them before returning */
    int32_t port;        /* slot number of the port */
    void* reserved;      /* used by the library; leave alone */
} Simple_Comm_Message;

/* Receiver procedure. It is called on the reader thread of the port, synchronously: the reader
 * waits until it returns (or, for a held message, until the message is released) before it
 * reads the next byte. The bytes at lParam are valid only during the call. A procedure that
 * needs another thread to handle the byte must hold the message rather than block waiting for
 * that thread: a held message is abandoned by a close, a blocked procedure is not (a close then
 * waits up to ten seconds for the reader, and leaves it behind if it is still blocked). */
typedef void (*Simple_Comm_NotifyProc)(void* context, const Simple_Comm_Message* message);

/* A message whose delivery continues on another thread, see Simple_Comm_HoldMessage. */
typedef struct Simple_Comm_Held_ Simple_Comm_Held;

/* Registers a receiver: proc is called with context for every notified byte. Returns its
 * handle, or NULL when proc is NULL or memory is short. */
SIMPLE_COMM_API NotifyWindow Simple_Comm_RegisterNotify(Simple_Comm_NotifyProc proc, void* context);

/* Unregisters a receiver. No call of its procedure begins afterwards; calls in progress on
 * other threads are waited for (a call on the calling thread itself, when the procedure
 * unregisters its own receiver, is not), and held messages for it are abandoned. Returns 0,
 * or 1 for an unknown handle. */
SIMPLE_COMM_API int32_t Simple_Comm_UnregisterNotify(NotifyWindow window);

/* Called inside a receiver procedure, on the reader thread: hands the message over to another
 * thread. The library copies the bytes, and after the procedure returns the reader keeps
 * waiting until Simple_Comm_ReleaseHeld is called, or until the port is closed or the receiver
 * unregistered; then the delivery is abandoned and the reader goes on. Returns NULL when called
 * outside a procedure or a second time for the same message. */
SIMPLE_COMM_API Simple_Comm_Held* Simple_Comm_HoldMessage(const Simple_Comm_Message* message);

/* On the thread that handles a held message: returns the message (its lParam points to the
 * library's copy, valid until the release), or NULL when the delivery was abandoned and the
 * message must not be handled. */
SIMPLE_COMM_API const Simple_Comm_Message* Simple_Comm_TakeHeld(Simple_Comm_Held* held);

/* Ends a held message: the reader stops waiting. Must be called exactly once for every
 * message returned by Simple_Comm_HoldMessage, whether it was taken or not. */
SIMPLE_COMM_API void Simple_Comm_ReleaseHeld(Simple_Comm_Held* held);

/* ---------------------------------------------------------------------------------------- */
/* Ports                                                                                     */
/* ---------------------------------------------------------------------------------------- */

/* Ordinal 1. A constant banner naming the library and its year. */
SIMPLE_COMM_API const char* Simple_Comm_Info(void);

/* Ordinal 2. Opens a serial device into the lowest free slot.
 *
 *   PortName       device to open. "COMn" (n = 1, 2, ...) opens the path in the environment
 *                  variable ORVANT_COMn when it is set, /dev/ttyS(n-1) otherwise; any other
 *                  name is a path. The device is opened for reading and writing, exclusively,
 *                  never created, and never becomes the controlling terminal. It is put in raw
 *                  mode with reads that return within about 10 ms.
 *   BaudRate       rate in bit/s (a standard rate of the system)
 *   ByteSize       data bits, 5 to 8
 *   Parity         0 none, 1 odd, 2 even, 3 mark, 4 space
 *   StopBits       0 one, 1 one and a half (refused: EINVAL), 2 two
 *   Mask           which of the four settings above to apply (SIMPLE_COMM_SET_*); the others
 *                  keep the device's current values. A setting that the device does not take
 *                  fails the open with EINVAL.
 *   Window         receiver of the byte notifications, NULL for none
 *   NotifyMessage  message number of the notifications; SIMPLE_COMM_NO_NOTIFY for none
 *   PortIndex      receives the slot number; on any failure it holds its value from before
 *                  the call
 *
 * Returns 0, 1 when five ports are open, otherwise the error number (EFAULT for a NULL
 * PortName or PortIndex). Bytes that arrive before the call returns may be dropped. */
SIMPLE_COMM_API int32_t Simple_Comm_Open(const char* PortName, uint32_t BaudRate, uint8_t ByteSize,
                                         uint8_t Parity, uint8_t StopBits, uint32_t Mask,
                                         NotifyWindow Window, uint32_t NotifyMessage,
                                         int32_t* PortIndex);

/* Ordinal 3. Closes slot PortIndex: stops its notifications (a delivery in progress is
 * abandoned, so closing from the receiving thread never waits for itself), drains and purges
 * the device, ends the reader thread and closes the device. Returns 0, 1 for a slot outside
 * 0 to 4 or inactive, otherwise the error number of the first failing step; the slot is free
 * and the device closed in every case but 1. */
SIMPLE_COMM_API int32_t Simple_Comm_Close(int32_t PortIndex);

/* Ordinal 4. Writes Count bytes from Buffer to slot PortIndex in one call. Returns 0, 1 for a
 * slot outside 0 to 4 or inactive, 29 when fewer bytes were accepted, otherwise the error
 * number (EFAULT for a NULL Buffer with a non-zero Count). */
SIMPLE_COMM_API int32_t Simple_Comm_Write(int32_t PortIndex, const void* Buffer, uint32_t Count);

/* Ordinal 5. The number of open ports, 0 to 5. */
SIMPLE_COMM_API int32_t Simple_Comm_PortCount(void);

#ifdef __cplusplus
}
#endif

#endif /* SIMPLE_COMM_H */
