#pragma once

#include <QString>
#include <QStringList>
#include <future>

// The interface font. Chosen by family with a fallback list, so that Latin, Simplified and
// Traditional Chinese texts all find a face that has their glyphs, whichever of the faces
// the machine has.
namespace KoFonts {

// In order of preference: Latin faces first (they look better for the English texts), then
// the CJK faces that cover both Chinese scripts.
QStringList uiFamilies();
// The families of uiFamilies() that are installed.
QStringList installedFamilies();
// Sets the application font to the family list, keeping the desktop's size.
void applyUiFont();
// Has the system's font configuration read (its files and caches) on a worker thread, which
// can start before the application object: that object waits on the display server for most
// of its making.
std::shared_future<void> readConfigurationAhead();
// Frees the configuration read ahead, for a start that leaves before any font is used (the
// application's font database frees it otherwise).
void releaseConfiguration(const std::shared_future<void>& configuration);
// Has the font database read, and the fallback faces for Latin and Chinese text found, on a
// worker thread while the window is built; both are shared by every thread. Waits for
// `configuration` first. Wait for the result before the application goes.
std::future<void> loadAhead(std::shared_future<void> configuration = {});
// The characters of `text` that no installed family of the list can draw (white space and
// control characters aside); empty when the whole text renders.
QString missingGlyphs(const QString& text);

}  // namespace KoFonts
