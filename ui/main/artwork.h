#pragma once
// The pictures of the splash, the About box and the two picture buttons, drawn in code so that
// the program carries no image files.

#include <QIcon>
#include <QPixmap>
#include <QSize>

namespace sw {

// A road embankment in the rain, with the culvert that carries the runoff under it.
[[nodiscard]] QPixmap splashPicture(QSize size);

// The outlet end of a pipe culvert, for the About box.
[[nodiscard]] QPixmap culvertPicture(int side);
// A rain cloud over a gauge, for the About box.
[[nodiscard]] QPixmap rainPicture(int side);

// The application's icon: the splash's culvert under its embankment, with the rain cloud over it,
// on a rounded tile; drawn for the given side in pixels, the rain left out where it would blur.
[[nodiscard]] QPixmap applicationIconPicture(int side);
// The same drawn for the sizes a window's title bar and task switcher ask for.
[[nodiscard]] QIcon applicationIcon();

// The picture buttons of the intensity page.
[[nodiscard]] QIcon frequencyTableIcon();
[[nodiscard]] QIcon rainfallMapIcon();

}  // namespace sw
