#pragma once

#include <string>

#include "idler/main_window.h"

namespace velto::idler {

inline constexpr int kIdleTimerMilliseconds = 60000;
inline constexpr double kBetweenLinesSeconds = 0.2;

// The minute counter as its caption shows it: the number at its start, blanks skipped;
// 0 when there is none.
long long ReadCounter(const std::string& caption);

void StartIdling(Idler& idler);  // "Start"
void StopIdling(Idler& idler);   // " Stop"
void IdleTick(Idler& idler);     // each minute of the idle timer

}  // namespace velto::idler
