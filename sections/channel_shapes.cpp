#include "sections/channel_shapes.h"

namespace rillo {

const ChannelShape* ShapeWithWord(std::string_view word) {
    for (const ChannelShape& shape : kChannelShapes) {
        if (shape.word == word) return &shape;
    }
    return nullptr;
}

const ChannelShape* ShapeWithHeading(std::string_view heading) {
    for (const ChannelShape& shape : kChannelShapes) {
        if (shape.fileHeading == heading) return &shape;
    }
    return nullptr;
}

std::string ShapeWordList() {
    std::string list;
    for (std::size_t i = 0; i < kChannelShapes.size(); ++i) {
        if (i > 0) list += i + 1 == kChannelShapes.size() ? " or " : ", ";
        list += kChannelShapes[i].word;
    }
    return list;
}

}  // namespace rillo
