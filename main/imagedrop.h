#pragma once

#include <QString>

class QDropEvent;

// Takes a drag, or its drop, that brings one local image file whose name the open dialog's filter
// lists, while nothing modal is up: an open editor, the open dialog or a message must see the
// image stay as it is. The drop copies or links, never moves, so the source keeps its file.
// Returns the image's path, or an empty text after refusing the event.
QString AcceptImageDrop(QDropEvent* event);
