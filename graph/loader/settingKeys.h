#pragma once
#include "graph/loader/parsedSetting.h"
#include "graph/model/coordSysSettings.h"

// Applies the setting that just ended in the document: looks its key up by exact,
// case-sensitive name and stores the value through the setting's own accessor. An unknown key,
// a numeric key whose text holds no usable number and a value the accessor refuses all leave
// the settings unchanged, silently.
void ApplySetting(coordSysSettings& settings, const parsedSetting& setting);
