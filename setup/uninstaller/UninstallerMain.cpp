#include "Uninstaller.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) { return brivel::setup::RunUninstaller(instance); }
