// The utility's version as every window shows it ("V1.0.0"), from the one
// version the build gives the project.
#pragma once

#include <QString>

QString productVersionText();
