#include "rom/RestorePoints.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <filesystem>

#include "rom/ImageFile.h"
#include "rom/PatchResult.h"
#include "rom/WholeFile.h"

namespace quorvex {

namespace fs = std::filesystem;

namespace {

constexpr const char* kStampPattern = "dddd-dd-dd_dd-dd-dd";
constexpr size_t kStampLength = 19;

// The part of a restore point's name that orders it: the time and the
// optional same-second number, without the extension.
std::string SortKey(const std::string& fileName) { return fileName.substr(0, fileName.find('.')); }

bool ParseName(const std::string& name, std::time_t& time)
{
    if (name.size() < kStampLength)
        return false;
    for (size_t i = 0; i < kStampLength; ++i) {
        const bool digit = std::isdigit(static_cast<unsigned char>(name[i])) != 0;
        if (kStampPattern[i] == 'd' ? !digit : name[i] != kStampPattern[i])
            return false;
    }
    size_t k = kStampLength;
    if (k < name.size() && name[k] == '_') {
        const size_t digits = ++k;
        while (k < name.size() && std::isdigit(static_cast<unsigned char>(name[k])))
            ++k;
        if (k - digits < 2)
            return false;
    }
    if (k != name.size() && name[k] != '.')
        return false;
    std::tm tm{};
    tm.tm_year = std::stoi(name.substr(0, 4)) - 1900;
    tm.tm_mon = std::stoi(name.substr(5, 2)) - 1;
    tm.tm_mday = std::stoi(name.substr(8, 2));
    tm.tm_hour = std::stoi(name.substr(11, 2));
    tm.tm_min = std::stoi(name.substr(14, 2));
    tm.tm_sec = std::stoi(name.substr(17, 2));
    time = ::timegm(&tm);
    return true;
}

std::string Stamp(std::time_t t)
{
    std::tm tm{};
    ::gmtime_r(&t, &tm);
    char buf[32];
    std::strftime(buf, sizeof buf, "%Y-%m-%d_%H-%M-%S", &tm);
    return buf;
}

// Makes a new folder entry durable: a restore point must survive a crash
// that happens while the save replaces the image.
void SyncFolder(const std::string& folder)
{
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

void Prune(const std::vector<RestorePoint>& newestFirst, int keep)
{
    if (keep <= 0)
        return;
    for (size_t i = size_t(keep); i < newestFirst.size(); ++i) {
        std::error_code ec;
        fs::remove(newestFirst[i].path, ec);
    }
}

} // namespace

std::string RestoreFolder(const std::string& imagePath) { return imagePath + ".restore"; }

std::vector<RestorePoint> ListRestorePoints(const std::string& imagePath)
{
    std::vector<RestorePoint> points;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(RestoreFolder(imagePath), ec)) {
        std::error_code e;
        RestorePoint p;
        p.fileName = entry.path().filename().string();
        if (!entry.is_regular_file(e) || !ParseName(p.fileName, p.time))
            continue;
        p.path = entry.path().string();
        p.size = entry.file_size(e);
        // An empty file is what an interrupted write leaves; no image is empty.
        if (!e && p.size > 0)
            points.push_back(p);
    }
    std::sort(points.begin(), points.end(),
              [](const RestorePoint& a, const RestorePoint& b) { return SortKey(a.fileName) > SortKey(b.fileName); });
    return points;
}

bool KeepRestorePoint(const std::string& imagePath, int keep, std::string& error, std::time_t now)
{
    std::vector<uint8_t> bytes;
    if (!ReadWholeFile(imagePath, bytes, error, kMaxPatchedSize))
        return false;
    const std::vector<RestorePoint> points = ListRestorePoints(imagePath);
    std::string newestKey;
    if (!points.empty()) {
        newestKey = SortKey(points.front().fileName);
        std::vector<uint8_t> newest;
        std::string ignored;
        if (ReadWholeFile(points.front().path, newest, ignored, kMaxPatchedSize) && newest == bytes) {
            Prune(points, keep); // already kept: another copy would only push an older one out
            return true;
        }
    }
    const std::string folder = RestoreFolder(imagePath);
    std::error_code ec;
    const bool madeFolder = fs::create_directory(folder, ec);
    if (ec) {
        error = FileErrorText(folder, ec.value());
        return false;
    }
    // The new point must sort after every existing one, even when the clock
    // has been set back since the newest was taken.
    const std::string ext = fs::path(imagePath).extension().string();
    const std::string stamp = std::max(Stamp(now), newestKey.substr(0, kStampLength));
    std::string name;
    for (int n = 0; n < 100 && name.empty(); ++n) {
        char suffix[8] = "";
        if (n > 0)
            std::snprintf(suffix, sizeof suffix, "_%02d", n);
        const std::string candidate = stamp + suffix + ext;
        if (SortKey(candidate) > newestKey && !fs::exists(folder + "/" + candidate, ec))
            name = candidate;
    }
    if (name.empty()) {
        error = FileErrorText(folder + "/" + stamp + ext, EEXIST);
        return false;
    }
    if (!WriteWholeFile(folder + "/" + name, bytes, error))
        return false;
    SyncFolder(folder);
    if (madeFolder)
        SyncFolder(fs::path(folder).parent_path().empty() ? "." : fs::path(folder).parent_path().string());
    Prune(ListRestorePoints(imagePath), keep);
    return true;
}

std::string RestorePointFailure(const std::string& error)
{
    return "Quorvex could not keep a restore point of the image before replacing it:\n" + error +
           "\nThe image was written all the same.";
}

bool RestoreImage(const std::string& imagePath, const RestorePoint& point, int keep, std::string& error,
                  std::string& warning, std::time_t now)
{
    std::vector<uint8_t> bytes;
    if (!ReadWholeFile(point.path, bytes, error, kMaxPatchedSize))
        return false;
    error = CheckWritable(imagePath);
    if (!error.empty())
        return false;
    std::string keepError;
    if (!KeepRestorePoint(imagePath, keep, keepError, now))
        warning = RestorePointFailure(keepError);
    return WriteWholeFile(imagePath, bytes, error);
}

std::string RestorePointTimeText(const RestorePoint& point)
{
    std::tm tm{};
    ::localtime_r(&point.time, &tm);
    char buf[32];
    std::strftime(buf, sizeof buf, "%Y-%m-%d %H:%M:%S", &tm);
    return buf;
}

} // namespace quorvex
