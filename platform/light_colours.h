#pragma once

// Keeps the game in its light colours where the platform would follow a dark colour scheme of the
// system's, as Qt 6.8 does in a browser page: every player sees the game as it is drawn here.
void keepLightColours();
