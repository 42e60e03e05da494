// Where the face gets its background music and its help viewer: the one
// place that names their classes.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "rahmen/plattform.h"

class QString;
class QWidget;

// The music player; amEnde runs on the UI thread when the piece has played
// to its end. still (sound off, in the tests): a player that never opens.
std::unique_ptr<MusikSpieler> neueMusik(std::function<void()> amEnde, bool still);
// The game is on the screen: the music made by neueMusik may load now.
void musikFreigeben(MusikSpieler& musik);

// Opens the help file at its contents, or at a topic's context number.
void hilfeZeigen(QWidget* eltern, const std::string& hilfeDatei, std::optional<int32_t> kontext);
// Opens the help file at the place marked with the anchor; an empty anchor
// opens the contents.
void hilfeKapitelZeigen(QWidget* eltern, const std::string& hilfeDatei, const QString& anker);
