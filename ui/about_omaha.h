#pragma once

class QWidget;

namespace omaha {

// Help -> About Omaha: the game's name and version, what it is, where its rules are and its
// licence, in a box over `parent` until the player closes it.
void showAboutOmaha(QWidget* parent);

} // namespace omaha
