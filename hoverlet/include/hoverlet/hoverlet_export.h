#pragma once

#include <QtCore/qglobal.h>

#if defined(HOVERLET_BUILDING_LIBRARY)
#define HOVERLET_EXPORT Q_DECL_EXPORT
#else
#define HOVERLET_EXPORT Q_DECL_IMPORT
#endif
