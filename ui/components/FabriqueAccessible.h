#pragma once

namespace tavelor {

// Roles that Qt cannot guess for the program's own widgets: a window built on a plain
// QWidget is announced as a window (not as a filler a screen reader passes over), a meter
// as a text whose description is the reading it shows, a track bar as a slider whose
// value is what it sets (TTrackBar::Lecture). Installing twice does nothing.
void InstalleFabriqueAccessible();

} // namespace tavelor
