#pragma once

#include <QRectF>
#include <QSize>
#include <memory>
#include <string>
#include <vector>

#include "platform/picture_printer.h"

namespace rillo::testing {

// A printer that keeps, page by page, where each picture was placed and how
// large the picture was. Page size and orientation are set by the test; a
// failure can be scripted from the n-th picture on.
class RecordingPicturePrinter : public PicturePrinter {
   public:
    struct Placed {
        QSize pictureSize;
        QRectF place;
    };
    // One document: its pages, each with the pictures drawn on it.
    struct Document {
        std::vector<std::vector<Placed>> pages;
        bool ended = false;
    };

    QSizeF PageSize() override { return pageSize; }
    PageOrientation Orientation() override { return orientation; }
    bool DrawPicture(const QImage& picture, const QRectF& place) override {
        if (failFromPicture >= 0 && picturesDrawn >= failFromPicture) {
            failure = "The printer is out of paper.";
            return false;
        }
        Current().pages.back().push_back({picture.size(), place});
        ++picturesDrawn;
        return true;
    }
    bool NewPage() override {
        Current().pages.emplace_back();
        return true;
    }
    bool EndDocument() override {
        Current().ended = true;
        open_ = false;
        return failure.empty();
    }
    std::string Failure() const override { return failure; }

    // Script: an 8.5 by 11 inch page less quarter-inch margins, portrait.
    QSizeF pageSize{11520, 15120};
    PageOrientation orientation = PageOrientation::Portrait;
    int failFromPicture = -1;  // the index of the first picture that fails; -1 none
    std::string failure;       // the description of the failure, once one happened
    // Record
    std::vector<Document> documents;
    int picturesDrawn = 0;

   private:
    Document& Current() {
        if (!open_) {
            documents.push_back({{{}}, false});
            open_ = true;
        }
        return documents.back();
    }
    bool open_ = false;
};

// A picture printer that hands every call on to another one, so that a
// document asked for by path can be recorded where the test reads it.
class ForwardingPicturePrinter : public PicturePrinter {
   public:
    explicit ForwardingPicturePrinter(PicturePrinter& to) : to_(to) {}
    QSizeF PageSize() override { return to_.PageSize(); }
    PageOrientation Orientation() override { return to_.Orientation(); }
    bool DrawPicture(const QImage& picture, const QRectF& place) override { return to_.DrawPicture(picture, place); }
    bool NewPage() override { return to_.NewPage(); }
    bool EndDocument() override { return to_.EndDocument(); }
    std::string Failure() const override { return to_.Failure(); }

   private:
    PicturePrinter& to_;
};

}  // namespace rillo::testing
