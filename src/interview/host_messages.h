#pragma once
/*
 * The messages the module posts to the host's notify object, each as a
 * QEvent of type QEvent::User + the message. Plain C: the module's public
 * header (entry/cgt2003.h) hands them on to the host.
 */
enum { CGT_MSG_INTERVIEW_ENDED = 1131, CGT_MSG_MODULE_CLOSED = 1132 };
