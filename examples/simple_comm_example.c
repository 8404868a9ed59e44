/* Opens a serial port through simple_comm, writes one line to it and prints what comes back.
 *
 *   simple_comm_example PORT [LINE] [SECONDS]
 *
 * PORT is a device path or COMn (see ORVANT_COMn). LINE (default "U20") is sent followed by a
 * carriage return at 9600 bit/s, 8 data bits, no parity, one stop bit. Every byte received
 * within SECONDS (default 2) is printed: printable bytes as they are, others as <hex>. */
#include "simple_comm/simple_comm.h"

#include <ctype.h>
#include <errno.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <time.h>

static void print_byte(void* context, const Simple_Comm_Message* message) {
    (void)context;
    const unsigned char* bytes = (const unsigned char*)message->lParam;
    for (uintptr_t i = 0; i < message->wParam; ++i) {
        if (isprint(bytes[i])) {
            putchar(bytes[i]);
        } else {
            printf("<%02x>", bytes[i]);
        }
    }
    fflush(stdout);
}

int main(int argc, char** argv) {
    if (argc < 2 || argc > 4) {
        fprintf(stderr, "usage: %s PORT [LINE] [SECONDS]\n", argv[0]);
        return 1;
    }
    const char* port = argv[1];
    const char* line = argc > 2 ? argv[2] : "U20";
    const double seconds = argc > 3 ? atof(argv[3]) : 2.0;
    if (!(seconds >= 0.0 && seconds <= 3600.0)) {
        fprintf(stderr, "SECONDS must be between 0 and 3600\n");
        return 1;
    }

    printf("%s\n", Simple_Comm_Info());
    NotifyWindow window = Simple_Comm_RegisterNotify(print_byte, NULL);
    int32_t slot = -1;
    int32_t status = Simple_Comm_Open(port, 9600, 8, SIMPLE_COMM_PARITY_NONE,
                                      SIMPLE_COMM_ONE_STOPBIT, 0xF, window, 5000u, &slot);
    if (status != SIMPLE_COMM_OK) {
        fprintf(stderr, "cannot open %s: status %d%s%s\n", port, (int)status,
                status > 1 ? ", " : "", status > 1 ? strerror((int)status) : "");
        Simple_Comm_UnregisterNotify(window);
        return 2;
    }

    char buffer[256];
    int length = snprintf(buffer, sizeof buffer, "%s\r", line);
    if (length < 0 || (size_t)length >= sizeof buffer) {
        fprintf(stderr, "line too long\n");
        Simple_Comm_Close(slot);
        Simple_Comm_UnregisterNotify(window);
        return 1;
    }
    printf("sent %s, received: ", line);
    fflush(stdout);
    status = Simple_Comm_Write(slot, buffer, (uint32_t)length);
    if (status != SIMPLE_COMM_OK) {
        fprintf(stderr, "\ncannot write to %s: status %d\n", port, (int)status);
        Simple_Comm_Close(slot);
        Simple_Comm_UnregisterNotify(window);
        return 3;
    }

    struct timespec wait;
    wait.tv_sec = (time_t)seconds;
    wait.tv_nsec = (long)((seconds - (double)wait.tv_sec) * 1e9);
    while (nanosleep(&wait, &wait) != 0 && errno == EINTR) {
    }

    status = Simple_Comm_Close(slot);
    Simple_Comm_UnregisterNotify(window);
    printf("\n");
    return status == SIMPLE_COMM_OK ? 0 : 4;
}
