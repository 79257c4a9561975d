#pragma once
// How far the threads that walk, hash and measure stand back from the GUI thread. A scan
// runs sixteen walkers on two cores; at the same priority they take the window's turn
// whenever it wakes, and a few milliseconds of its work stretch to tens. The window sets a
// niceness once at start; the command line, alone in its process, leaves it at 0.
// A lower priority costs a scan nothing while the cores are otherwise idle.

namespace BackgroundPriority {

// From now on, background threads that start or begin a task take this niceness (0–19).
void setNiceness(int niceness);

// Gives the calling thread the background niceness, and longer scheduler slices than the
// GUI thread's so that the GUI thread takes a core from it as soon as it wakes; threads it
// starts inherit both.
void applyToThisThread();

} // namespace BackgroundPriority
