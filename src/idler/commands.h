#pragma once

#include "idler/main_window.h"

namespace velto::idler {

inline constexpr int kClockTimerMilliseconds = 50;

void ImsOff(Idler& idler);            // " Im off"
void ImsOn(Idler& idler);             // "  im on"
void ShowAbout(Idler& idler);         // " About"
void ShowGreets(Idler& idler);        // " Greets"
void QuitIdler(Idler& idler);         // "     x"
void ClockTick(Idler& idler);         // each tick of the clock timer, about once a second
void MainWindowUnload(Idler& idler);  // the main window closed other than by x
// Windows logs off or shuts down: the unload line, within the few seconds granted.
void FarewellOnLogOff(Idler& idler);

}  // namespace velto::idler
