#pragma once
// Sizes and positions are kept in twips, as the window designs give them,
// and converted to pixels here only (15 twips a pixel at 96 dpi).

namespace forms {

// Pixels per inch of the screen (logical dpi), 96 when there is no screen.
double screenDpi();
// Overrides the dpi (tests); 0 goes back to the screen's.
void setScreenDpi(double dpi);

int tw(int twips);       // twips to pixels
int toTw(int pixels);    // pixels to twips

}  // namespace forms
