#pragma once
/* The camera's device configuration library: open the device, close it, and
 * read or write one byte-wide configuration register. A real camera's library
 * exporting these four functions replaces the simulated one built here. */

#ifdef __cplusplus
extern "C" {
#endif

#define VEXU_API __attribute__((visibility("default")))

/* Negative: no device; 0: the device is open. */
VEXU_API int VEXU_Initialize(void);
/* Closes the device; a later VEXU_Initialize opens it again. */
VEXU_API int VEXU_Exit(void);
/* 0 on success; negative on failure, leaving *value untouched. */
VEXU_API int VEXU_UsbCfgRead(int reg, unsigned char* value);
/* 0 on success; negative on failure. */
VEXU_API int VEXU_UsbCfgWrite(int reg, unsigned char value);

#ifdef __cplusplus
}
#endif
