#pragma once
/*
 * The capital gains tax module, income year 2003: the four functions a host
 * program calls, with C linkage.
 *
 * Strings are length-prefixed: one length byte, then that many bytes
 * (Windows-1252). They are copied at once; the host's buffers need to live
 * only for the call.
 *
 * Handles are pointer-sized integers: `hostWindow` is the host's application
 * window (a QWidget*, or 0), `notifyWindow` the object told that the user
 * has left the module (a QObject*). The module posts to it a QEvent of type
 * QEvent::User + CGT_MSG_INTERVIEW_ENDED when the interview ran past its last
 * screen, and QEvent::User + CGT_MSG_MODULE_CLOSED when the user closed the
 * module.
 *
 * Sequence: CheckVersion (any time) -> RunCGTModule -> the host's event loop
 * runs the module's windows -> close event -> GetFailedScreenIndex (where the
 * interview stopped) -> FreeDLLResources (saves the return) -> unload.
 * Everything runs on the host's GUI thread, with a QApplication in place.
 * Unload the library while that QApplication still exists: unloading frees
 * the module's windows.
 */
#include <stdint.h>

#include "interview/host_messages.h" /* CGT_MSG_INTERVIEW_ENDED, CGT_MSG_MODULE_CLOSED */

#if defined(_WIN32) && !defined(_WIN64)
#define CGT_CALL __stdcall
#else
#define CGT_CALL
#endif

#if defined(_WIN32)
#define CGT_EXPORT __declspec(dllexport)
#else
#define CGT_EXPORT __attribute__((visibility("default")))
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* One length byte, then the text. */
typedef const unsigned char* CgtShortString;

/* Starts a module run: loads the return from `dataFile` (key text: the digits
   of `identity`, which is also stored in field 1), shows the main window and
   the screen `screenNumber` (section * 100 + index). `maximized` and
   `minimized` are booleans in their low byte; maximized wins. Width and
   height are accepted only as 800 x 575. */
CGT_EXPORT void CGT_CALL RunCGTModule(intptr_t hostWindow, intptr_t notifyWindow, CgtShortString dataFile,
                                      CgtShortString identity, CgtShortString commandLine, int32_t screenNumber,
                                      int32_t left, int32_t top, int32_t width, int32_t height, int32_t maximized,
                                      int32_t minimized);

/* 0 when `version` (16-bit, in a 32-bit slot) is 1, 1 when lower, -1 when higher. */
CGT_EXPORT int16_t CGT_CALL CheckVersion(int32_t version);

/* The screen number for which no screen existed (where the host continues);
   0 while none was reached or before RunCGTModule. */
CGT_EXPORT int32_t CGT_CALL GetFailedScreenIndex(void);

/* Saves the return to the name given to RunCGTModule, frees the store and
   closes the interview. 1 when every step succeeded, 0 otherwise. */
CGT_EXPORT uint8_t CGT_CALL FreeDLLResources(void);

typedef void(CGT_CALL* RunCGTModuleFn)(intptr_t, intptr_t, CgtShortString, CgtShortString, CgtShortString, int32_t,
                                       int32_t, int32_t, int32_t, int32_t, int32_t, int32_t);
typedef int16_t(CGT_CALL* CheckVersionFn)(int32_t);
typedef int32_t(CGT_CALL* GetFailedScreenIndexFn)(void);
typedef uint8_t(CGT_CALL* FreeDLLResourcesFn)(void);

#ifdef __cplusplus
}
#endif
