#pragma once
// The hidden `--verifier-installation` check: loads what start-up loads, without a window
// and without asking anything, and prints where each file was found.

/** Prints the lists, sounds and score file found; 0 when nothing is missing. */
int verifierInstallation();
