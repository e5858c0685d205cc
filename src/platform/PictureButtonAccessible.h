#pragma once

namespace tarvel {

// Makes every PictureButton a push button to screen readers: role Button, its accessible name or
// else its caption as the name, its tooltip as the description, pressed while held, and the press
// action. Safe to call more than once; PictureButton calls it when the first button is made.
void InstallPictureButtonAccessibility();

} // namespace tarvel
