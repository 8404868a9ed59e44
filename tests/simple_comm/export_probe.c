/* An executable that embeds the serial library: every function must be reachable through the
 * executable's own dynamic symbol table, and be the very function linked in. */
#define _GNU_SOURCE
#include "simple_comm/simple_comm.h"

#include <dlfcn.h>
#include <stdio.h>
#include <string.h>

int main(void) {
    static const char* const names[] = {
        "Simple_Comm_Info",
        "Simple_Comm_Open",
        "Simple_Comm_Close",
        "Simple_Comm_Write",
        "Simple_Comm_PortCount",
        "Simple_Comm_RegisterNotify",
        "Simple_Comm_UnregisterNotify",
        "Simple_Comm_HoldMessage",
        "Simple_Comm_TakeHeld",
        "Simple_Comm_ReleaseHeld",
    };
    void* self = dlopen(NULL, RTLD_NOW);
    if (self == NULL) {
        fprintf(stderr, "export_probe: dlopen: %s\n", dlerror());
        return 1;
    }
    int failures = 0;
    for (size_t i = 0; i < sizeof names / sizeof names[0]; ++i) {
        if (dlsym(self, names[i]) == NULL) {
            fprintf(stderr, "export_probe: %s is not exported\n", names[i]);
            ++failures;
        }
    }
    const char* (*info)(void) = (const char* (*)(void))dlsym(self, "Simple_Comm_Info");
    if (info == NULL || strcmp(info(), Simple_Comm_Info()) != 0) {
        fprintf(stderr, "export_probe: exported banner differs\n");
        ++failures;
    }
    int32_t (*count)(void) = (int32_t(*)(void))dlsym(self, "Simple_Comm_PortCount");
    if (count == NULL || count() != 0) {
        ++failures;
    }
    if (failures == 0) {
        puts("export_probe: ok");
    }
    return failures == 0 ? 0 : 1;
}
