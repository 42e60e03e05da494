// Whether the frame runs where no window manager is: on an X display without
// one, or on a platform that draws into memory (offscreen, minimal). There
// nobody acts on its wish to be maximized, or only after its first picture,
// and it has to make itself as large as the screen before it is first shown.
// False on every other platform.
#pragma once

bool ohneFensterverwaltung();
