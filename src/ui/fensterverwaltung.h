// Whether the frame runs on an X display without a window manager: there
// nobody acts on its wish to be maximized, and it has to make itself as large
// as the screen before it is first shown. False on every other platform.
#pragma once

bool ohneFensterverwaltung();
