#pragma once

#include <QtGlobal>

// Marks the classes of libmarunda_update whose signals others connect to (see ui/api.h).
#if defined(MARUNDA_UPDATE_IMPORT)
#define MARUNDA_UPDATE_API Q_DECL_IMPORT
#elif defined(MARUNDA_UPDATE_BUILD)
#define MARUNDA_UPDATE_API Q_DECL_EXPORT
#else
#define MARUNDA_UPDATE_API
#endif
