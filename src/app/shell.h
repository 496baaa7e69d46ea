#pragma once

// Hands the screens their roads to the screens of other folders, and the
// hooks that keep the problem on the disk. Run once before the first window
// opens (the program, and every test that drives the screens).
void InstallShell();
