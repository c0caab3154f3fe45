#pragma once
// The result lists of the intensity and drainage pages show fixed-pitch lines in columns: each is
// made wide enough for a whole line and tall enough for eight, whatever the font's metrics.

class QListView;

namespace sw {

void fitFixedPitchList(QListView* list);

}  // namespace sw
