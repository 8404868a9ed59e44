/* A C program built against simple_comm.h and linked against libsimple_comm.so: it opens a
 * pseudo-terminal through the library, writes to it, and receives bytes from its far end
 * through a registered receiver. Exits 0 when everything arrived as sent. */
#define _GNU_SOURCE
#include "simple_comm/simple_comm.h"

#include <fcntl.h>
#include <poll.h>
#include <pthread.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <termios.h>
#include <time.h>
#include <unistd.h>

static pthread_mutex_t lock = PTHREAD_MUTEX_INITIALIZER;
static pthread_cond_t arrived = PTHREAD_COND_INITIALIZER;
static char received[64];
static size_t received_count;
static int wrong_message;

static void on_byte(void* context, const Simple_Comm_Message* message) {
    (void)context;
    pthread_mutex_lock(&lock);
    if (message->message != 7000u || message->wParam != 1u) {
        wrong_message = 1;
    }
    if (received_count + message->wParam <= sizeof received) {
        memcpy(received + received_count, (const void*)message->lParam, message->wParam);
        received_count += message->wParam;
    }
    pthread_cond_broadcast(&arrived);
    pthread_mutex_unlock(&lock);
}

static int fail(const char* what) {
    fprintf(stderr, "c_client: %s\n", what);
    return 1;
}

int main(void) {
    int master = posix_openpt(O_RDWR | O_NOCTTY);
    if (master < 0 || grantpt(master) != 0 || unlockpt(master) != 0) {
        return fail("no pseudo-terminal");
    }
    struct termios raw;
    tcgetattr(master, &raw);
    cfmakeraw(&raw);
    tcsetattr(master, TCSANOW, &raw);

    if (Simple_Comm_Info() == NULL || strstr(Simple_Comm_Info(), "simple_comm") == NULL) {
        return fail("banner");
    }
    NotifyWindow window = Simple_Comm_RegisterNotify(on_byte, NULL);
    int32_t slot = -1;
    int32_t status = Simple_Comm_Open(ptsname(master), 9600, 8, SIMPLE_COMM_PARITY_NONE,
                                      SIMPLE_COMM_ONE_STOPBIT, 0xF, window, 7000u, &slot);
    if (status != SIMPLE_COMM_OK || slot != 0 || Simple_Comm_PortCount() != 1) {
        return fail("open");
    }

    if (Simple_Comm_Write(slot, "V1500\r", 6) != SIMPLE_COMM_OK) {
        return fail("write");
    }
    char line[6];
    size_t got = 0;
    while (got < sizeof line) {
        struct pollfd p = {master, POLLIN, 0};
        if (poll(&p, 1, 5000) <= 0) {
            return fail("nothing written to the far end");
        }
        ssize_t n = read(master, line + got, sizeof line - got);
        if (n <= 0) {
            return fail("far end read");
        }
        got += (size_t)n;
    }
    if (memcmp(line, "V1500\r", 6) != 0) {
        return fail("far end got other bytes");
    }

    const char reply[] = "\x03\r\n";
    if (write(master, reply, 3) != 3) {
        return fail("far end write");
    }
    struct timespec deadline;
    clock_gettime(CLOCK_REALTIME, &deadline);
    deadline.tv_sec += 5;
    pthread_mutex_lock(&lock);
    while (received_count < 3) {
        if (pthread_cond_timedwait(&arrived, &lock, &deadline) != 0) {
            break;
        }
    }
    int complete = received_count == 3 && memcmp(received, reply, 3) == 0 && !wrong_message;
    pthread_mutex_unlock(&lock);
    if (!complete) {
        return fail("bytes from the far end did not arrive as sent");
    }

    if (Simple_Comm_Close(slot) != SIMPLE_COMM_OK || Simple_Comm_PortCount() != 0) {
        return fail("close");
    }
    Simple_Comm_UnregisterNotify(window);
    close(master);
    puts("c_client: ok");
    return 0;
}
