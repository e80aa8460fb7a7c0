#pragma once

namespace rillo {

// The four shapes; what differs by shape (names, words, file headings, inputs
// read, section) is in the table of sections/channel_shapes.h.
enum class ChannelType { Trapezoidal, Circular, UShaped, ElongatedCircular };

}  // namespace rillo
