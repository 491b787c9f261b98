/*
 * Steplink platform driver interface.
 *
 * The program loads a library exporting these six functions from its own
 * folder at run time. Any library that honours this contract drives the
 * program: the simulated platform in this folder, or a vendor's driver for a
 * real interface box.
 *
 * Calling order: SLGetVersion, then SLInit once; then any number of
 * SLStartAcqContinue / SLReadPodoCG... / SLStopAcqContinue cycles; SLExit last.
 * SLReadPodoCG is called from the acquisition thread only, every other
 * function from the program's user-interface thread.
 */
#ifndef STEPLINK_H
#define STEPLINK_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

#define STEPLINK_LIBRARY_FILE "libSteplink.so"
#define STEPLINK_VERSION_MAX 64
/* The last argument of SLInit: the program's interface revision. */
#define STEPLINK_CLIENT_CODE 763

/* SLInit results: >= 0 ready; SL_PLATE_ABSENT plate disconnected or
   defective (the program goes on without games); any other negative value
   is fatal. */
#define SL_PLATE_ABSENT (-5)

/* Copies the library's version text, zero-terminated, into the caller's
   buffer of `size` bytes (STEPLINK_VERSION_MAX is always enough). */
typedef void (*SLGetVersionFn)(char* version, int32_t size);
/* instance: the program's process handle (opaque); window: its main window
   handle (opaque); alias: database alias name, zero-terminated. */
typedef int32_t (*SLInitFn)(void* instance, void* window, const char* alias, int32_t code);
typedef int32_t (*SLStartAcqContinueFn)(void);
/* Writes the latest centre of gravity in sensor units into x and y; the third
   and fourth cells are written by the library and carry no meaning for the
   program. */
typedef int32_t (*SLReadPodoCGFn)(float* x, float* y, float* third, float* fourth);
typedef int32_t (*SLStopAcqContinueFn)(void);
typedef int32_t (*SLExitFn)(void);

void SLGetVersion(char* version, int32_t size);
int32_t SLInit(void* instance, void* window, const char* alias, int32_t code);
int32_t SLStartAcqContinue(void);
int32_t SLReadPodoCG(float* x, float* y, float* third, float* fourth);
int32_t SLStopAcqContinue(void);
int32_t SLExit(void);

#ifdef __cplusplus
}
#endif

#endif
