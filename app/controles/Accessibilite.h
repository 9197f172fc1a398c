#pragma once
// How the game's own controls show to screen readers: Qt describes its widgets, not ours.

/**
 * Installs, once, the accessible views of the game's controls: a Panel3D is read as its
 * description, and a window made of a plain widget (the main window) is announced as a
 * window rather than as a filler. Every Panel3D calls it; calling it again does nothing.
 */
void installerAccessibilite();
