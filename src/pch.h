// Precompiled header of the project: the Qt headers that nearly every unit uses.
#pragma once
#ifdef __cplusplus
#include <QtCore>
#include <QtGui>
#include <QtWidgets>
#include <QtSql>
#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>
#include <vector>
#endif
