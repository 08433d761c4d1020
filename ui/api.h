#pragma once

#include <QtGlobal>

// Marks the classes of libmarunda_ui whose signals others connect to. On Windows the address of
// a function of a DLL taken outside it without dllimport is that of a local jump stub, and Qt
// finds no signal under it: connect() fails and QSignalSpy sees nothing.
#if defined(MARUNDA_UI_IMPORT)
#define MARUNDA_UI_API Q_DECL_IMPORT
#elif defined(MARUNDA_UI_BUILD)
#define MARUNDA_UI_API Q_DECL_EXPORT
#else
#define MARUNDA_UI_API
#endif
