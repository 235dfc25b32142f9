#pragma once
// Restore points: copies of the image as it was on disk before a save (or
// a patch, or a restore) replaced it, kept in a folder beside the image:
//
//   DIR/game.smc
//   DIR/game.smc.restore/2026-12-06_14-03-07.smc
//
// The folder is named after the whole file name, so that two images that
// differ only in their extension never share their restore points. A
// restore point's name is the time it was taken, in UTC so that the names
// sort by time even across a change to or from summer time; two taken in
// the same second get "_01", "_02", ... after the time.
#include <cstdint>
#include <ctime>
#include <string>
#include <vector>

namespace quorvex {

// The default of the "RestorePoints" setting: how many are kept.
constexpr int kDefaultRestorePoints = 10;

struct RestorePoint {
    std::string path;
    std::string fileName;
    std::time_t time = 0; // when it was taken
    uint64_t size = 0;
};

std::string RestoreFolder(const std::string& imagePath);

// The image's restore points, newest first. Files in the folder whose names
// are not restore point names are left out (and never deleted).
std::vector<RestorePoint> ListRestorePoints(const std::string& imagePath);

// Keeps the image as it is on disk now as a new restore point, written and
// flushed before this returns, then deletes all but the newest `keep`
// (none when keep is 0 or less). Nothing is written when the newest restore
// point already holds the same bytes. False, with the reason, when the copy
// could not be made.
bool KeepRestorePoint(const std::string& imagePath, int keep, std::string& error, std::time_t now = std::time(nullptr));

// What the user is told when a restore point could not be kept.
std::string RestorePointFailure(const std::string& error);

// Puts a restore point back over the image: its bytes are read first, then
// the image as it is now becomes a restore point itself (a failure there
// only fills `warning`), then the image is replaced through the atomic
// save. False, with the reason, when the image was not replaced.
bool RestoreImage(const std::string& imagePath, const RestorePoint& point, int keep, std::string& error,
                  std::string& warning, std::time_t now = std::time(nullptr));

// "2026-12-06 15:03:07": the restore point's time in local time.
std::string RestorePointTimeText(const RestorePoint& point);

} // namespace quorvex
