#pragma once

#include <QString>

// The path of a skin file in folder. Skins are often made where file names
// ignore case ("M_Panel.bmp", "SPEC.TXT"), so when the exact name is missing a
// name that differs only in case is taken; with neither, folder/name.
QString SkinFilePath(const QString& folder, const QString& name);
