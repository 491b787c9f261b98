#pragma once
#include <QString>

// Finds `name` inside `dir` without regard to case, component by component.
// A '\' in `name` separates folders like '/'. Returns the path of the
// existing entry, or dir + name (with '/') when nothing matches, so the
// caller gets a sensible path to create or to name in a message.
QString ResolveFileName(const QString& dir, const QString& name);
