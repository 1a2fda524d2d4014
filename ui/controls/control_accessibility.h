#pragma once
// What screen readers are told about the custom controls: links are links with
// a press action, stations radio buttons, segment displays and up-downs carry
// their number as a value. Each control installs this on construction; the
// first call does the work.

void InstallControlAccessibility();
