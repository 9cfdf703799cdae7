#include "core/pictures/CustomBackgroundList.h"

#include <cstdint>

#include "platform/runtime/CrtAtoi.h"
#include "platform/runtime/MessageBox.h"
#include "platform/runtime/Random.h"
#include "platform/runtime/Translation.h"

CustomBackgroundList::AddResult CustomBackgroundList::AddBackgroundImage(const std::string& path) {
    if (rows_.size() >= kMaxImages) {
        ShowMessageBox(Filled(Tr("The maximum number of background is: %zu"), rows_.size()), "");
        return AddResult::kListFull;
    }
    const unsigned texture = loader_.LoadPicture(path);
    if (texture == 0) {
        ShowMessageBox(Filled(Tr("(%s)image loading error."), path.c_str()), "");
        StopSwitching();
        return AddResult::kLoadFailed;
    }
    rows_.push_back({path, texture, false});
    return AddResult::kAdded;
}

void CustomBackgroundList::AddChosen(const std::vector<std::string>& paths) {
    for (const std::string& path : paths) {
        const AddResult result = AddBackgroundImage(path);
        if (result == AddResult::kListFull) return;
        // Whatever became of the picture: a failed load stops the switching.
        if (rows_.size() == 1 && ownImage_) StartSwitching();
    }
}

void CustomBackgroundList::RemoveImage(int selectedRow) {
    if (selectedRow >= 0 && selectedRow < static_cast<int>(rows_.size())) {
        loader_.ReleasePicture(rows_[selectedRow].texture);
        rows_.erase(rows_.begin() + selectedRow);
    }
    currentTexture_ = rows_.empty() ? 0 : PickBackground(0, true);
}

void CustomBackgroundList::RemoveAll() {
    for (const Row& row : rows_) loader_.ReleasePicture(row.texture);
    rows_.clear();
    currentTexture_ = 0;
}

void CustomBackgroundList::ClickRow(int row) {
    currentTexture_ = PickBackground(row, true);
}

void CustomBackgroundList::SetOwnImage(bool on) {
    ownImage_ = on;
    if (on) {
        StartSwitching();
    } else if (switching_) {
        StopSwitching();
    }
}

unsigned CustomBackgroundList::PickBackground(int index, bool byUser) {
    const int count = static_cast<int>(rows_.size());
    if (count == 0 || !switching_) return kNoPicture;
    if (byUser) {
        if (index < 0 || index >= count) return kNoPicture;
        ShowOnly(index);
        return rows_[index].texture;
    }
    switch (mode_) {
        case ListSection::kRepeatOne:
            // A choice made while switching was off left kNoPicture behind:
            // that is no picture to keep, so the first row goes on show.
            return RowOf(currentTexture_) != kNoRow ? currentTexture_ : rows_[0].texture;
        case ListSection::kRepeatAll: {
            const int row = RowOf(currentTexture_);
            return rows_[((row == kNoRow ? count : row) + 1) % count].texture;
        }
        case ListSection::kRandom:
            return rows_[CrtRand() % count].texture;
    }
    return 0;
}

void CustomBackgroundList::StartSwitching() {
    switching_ = true;
    ticks_ = -1;
}

void CustomBackgroundList::StopSwitching() {
    ShowOnly(kNoRow);
    switching_ = false;
}

void CustomBackgroundList::Tick() {
    customBackgroundOn_ = ownImage_;
    if (!switching_) return;
    ++ticks_;
    // In 64 bits: an interval of millions of seconds must not wrap round.
    const std::int64_t intervalMs = static_cast<std::int64_t>(CrtAtoi(interval_)) * 1000;
    if (ticks_ != 0 && static_cast<std::int64_t>(ticks_) * kTickMs < intervalMs) return;
    currentTexture_ = PickBackground(0, false);
    ticks_ = 0;
    if (currentTexture_ != 0) ShowOnly(RowOf(currentTexture_));
}

void CustomBackgroundList::Restore(const CustomImagesSettings& settings) {
    RemoveAll();
    ownImage_ = settings.list.ownOn;
    interval_ = settings.interval;
    // The dialog never saves more than kMaxImages rows, and each broken row is
    // a message box: a longer hand-made list is not tried past one row more.
    const std::vector<std::string>& rows = settings.list.rows;
    for (std::size_t row = 0; row < rows.size() && row <= kMaxImages; ++row) {
        if (AddBackgroundImage(rows[row]) == AddResult::kListFull) break;
    }
    mode_ = settings.list.Mode();
    if (!settings.list.rows.empty() && ownImage_) StartSwitching();
}

CustomImagesSettings CustomBackgroundList::Saved() const {
    CustomImagesSettings settings;
    settings.list.SetMode(mode_);
    settings.list.ownOn = ownImage_;
    for (const Row& row : rows_) settings.list.rows.push_back(row.path);
    settings.interval = interval_;
    return settings;
}

int CustomBackgroundList::RowOf(unsigned texture) const {
    for (int row = 0; row < static_cast<int>(rows_.size()); ++row) {
        if (rows_[row].texture == texture) return row;
    }
    return kNoRow;
}

void CustomBackgroundList::ShowOnly(int row) {
    for (int each = 0; each < static_cast<int>(rows_.size()); ++each) rows_[each].on = each == row;
}
