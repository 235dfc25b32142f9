// wav2brr, brr2wav, samples, sample export, sample replace, spc, scan.
#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>

#include "CliCommon.h"
#include "CliRegistry.h"
#include "audio/AudioTables.h"
#include "audio/BrrCodec.h"
#include "audio/SampleSources.h"
#include "audio/WavToBrr.h"

namespace quorvex::cli {

namespace {

constexpr const char* kCantCreateFile = "Can't create file!!";

// Reads a whole file; at most `limit` bytes are kept.
bool ReadWhole(const std::string& path, std::vector<uint8_t>& out, size_t limit = size_t(64) << 20)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    out.clear();
    char buf[65536];
    while (in && out.size() < limit) {
        in.read(buf, static_cast<std::streamsize>(std::min(sizeof buf, limit - out.size())));
        out.insert(out.end(), buf, buf + in.gcount());
    }
    return !in.bad();
}

bool WriteWhole(const std::string& path, const std::vector<uint8_t>& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out)
        return false;
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    out.close();
    return !out.fail();
}

int Fail(const std::string& message)
{
    std::cerr << message << "\n";
    return 1;
}

int Created(const std::string& path)
{
    std::cout << "`" << path << "' created\n";
    return 0;
}

void PrintCandidates(const CandidateList& list)
{
    std::cout << "Idx\tStart add.\tLoop add.\tBlocks\tValid\n";
    for (size_t i = 0; i < list.items.size(); ++i) {
        const BrrCandidate& c = list.items[i];
        std::cout << i << "\t" << CandidateStartText(list.kind, c.start) << "\t"
                  << (list.kind == SourceKind::Spc ? CandidateStartText(list.kind, c.loop) : std::string("-")) << "\t"
                  << c.blocks << "\t" << CandidateValidText(c) << "\n";
    }
}

int RunWav2Brr(const std::vector<std::string>& args)
{
    if (args.size() != 2)
        return UsageError("wav2brr IN.wav OUT.brr");
    std::vector<uint8_t> wav;
    if (!ReadWhole(args[0], wav))
        return Fail(kMsgCantOpenImport);
    CandidateList list;
    const int r = ReadWavCandidate(wav.data(), wav.size(), list);
    if (r != 0)
        return Fail(WavErrorMessage(r));
    if (!WriteWhole(args[1], list.source))
        return Fail(kCantCreateFile);
    return Created(args[1]);
}

int RunBrr2Wav(const std::vector<std::string>& argsIn)
{
    const char* usage = "brr2wav IN.brr OUT.wav [--pitch P | --rate HZ]";
    std::vector<std::string> args = argsIn;
    std::string pitchText, rateText;
    bool missing = false;
    const bool hasPitch = TakeOption(args, "--pitch", pitchText, &missing);
    const bool hasRate = TakeOption(args, "--rate", rateText, &missing);
    if (missing || args.size() != 2 || (hasPitch && hasRate))
        return UsageError(usage);
    long pitch = 4096;
    if (hasPitch && (!ParseNumber(pitchText, pitch) || pitch < 1 || pitch > 0xFFFFFF))
        return UsageError(usage);
    if (hasRate) {
        long rate = 0;
        if (!ParseNumber(rateText, rate) || rate < 1 || rate > 10000000)
            return UsageError(usage);
        pitch = RateToPitch(rate);
    }
    std::vector<uint8_t> brr, wav;
    if (!ReadWhole(args[0], brr))
        return Fail(kMsgCantOpenImport);
    if (const int bad = CheckBrrFile(brr.data(), brr.size()); bad != 0)
        return Fail(BrrErrorMessage(bad));
    if (DecodeBrrToWav(brr.data(), brr.size(), static_cast<int>(pitch), wav) <= 0)
        return Fail(kMsgClipTooBig);
    if (!WriteWhole(args[1], wav))
        return Fail(kCantCreateFile);
    return Created(args[1]);
}

int RunSamples(const std::vector<std::string>& args)
{
    if (args.size() != 1)
        return UsageError("samples IMAGE");
    auto doc = OpenKnownImage(args[0], true);
    if (!doc)
        return 1;
    const AudioTables& t = doc->Rom().audio;
    std::cout << "Idx\tStart add.\tBlocks\n";
    for (int i = 0; i < kSampleCount; ++i)
        std::cout << i << "\t" << SampleStartText(t, i) << "\t" << SampleBlocksText(t, i) << "\n";
    std::cout << FreeSpaceText(t) << "\n";
    if (t.irregular)
        std::cerr << kMsgIrregularSamples << "\n";
    return 0;
}

bool ParseIndex(const std::string& text, int& index)
{
    long v = 0;
    if (!ParseNumber(text, v) || v < 0 || v >= kSampleCount)
        return false;
    index = static_cast<int>(v);
    return true;
}

int RunSampleExport(const std::vector<std::string>& args)
{
    const char* usage = "sample export IMAGE N OUT.brr";
    int index = 0;
    if (args.size() != 3 || !ParseIndex(args[1], index))
        return UsageError(usage);
    auto doc = OpenKnownImage(args[0], true);
    if (!doc)
        return 1;
    if (!WriteWhole(args[2], doc->Rom().audio.samples[index]))
        return Fail(kCantCreateFile);
    return Created(args[2]);
}

std::string Lower(std::string s)
{
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return s;
}

bool EndsWith(const std::string& s, const std::string& tail)
{
    return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

int RunSampleReplace(const std::vector<std::string>& args)
{
    const char* usage = "sample replace IMAGE N FILE.brr|FILE.wav|FILE.spc:ENTRY";
    int index = 0;
    if (args.size() != 3 || !ParseIndex(args[1], index))
        return UsageError(usage);

    // The source: an SPC entry ("dump.spc:3"), a WAV file, or raw BRR.
    std::string file = args[2];
    long entry = -1;
    const size_t colon = file.rfind(':');
    if (colon != std::string::npos && EndsWith(Lower(file.substr(0, colon)), ".spc")) {
        if (!ParseNumber(file.substr(colon + 1), entry) || entry < 0)
            return UsageError(usage);
        file = file.substr(0, colon);
    } else if (EndsWith(Lower(file), ".spc")) {
        return UsageError(usage);
    }
    std::vector<uint8_t> bytes;
    if (!ReadWhole(file, bytes))
        return Fail(kMsgCantOpenImport);
    CandidateList list;
    size_t pick = 0;
    if (entry >= 0) {
        if (ReadSpcCandidates(bytes.data(), bytes.size(), list) != 0)
            return Fail(kMsgNotSpc);
        if (static_cast<size_t>(entry) >= list.items.size())
            return Fail("No such SPC entry: " + std::to_string(entry));
        pick = static_cast<size_t>(entry);
    } else if (EndsWith(Lower(file), ".wav")) {
        const int r = ReadWavCandidate(bytes.data(), bytes.size(), list);
        if (r != 0)
            return Fail(WavErrorMessage(r));
    } else {
        ReadBrrCandidate(bytes.data(), bytes.size(), list);
    }

    std::string freeSpace;
    return EditAndSave(
        OpenKnownImage(args[0]),
        [&](CQuorvexDoc& doc) {
            const ReplaceStatus s = ReplaceSample(doc.Rom().audio, index, list.Bytes(pick));
            if (s != ReplaceStatus::Ok) {
                Fail(ReplaceStatusMessage(s));
                return EditStatus::Failed;
            }
            doc.SetModifiedFlag();
            freeSpace = FreeSpaceText(doc.Rom().audio);
            return EditStatus::Changed;
        },
        [&] { std::cout << freeSpace << "\n"; });
}

int RunSpc(const std::vector<std::string>& args)
{
    if (args.size() != 1)
        return UsageError("spc FILE");
    std::vector<uint8_t> bytes;
    if (!ReadWhole(args[0], bytes))
        return Fail(kMsgCantOpenImport);
    CandidateList list;
    if (ReadSpcCandidates(bytes.data(), bytes.size(), list) != 0)
        return Fail(kMsgNotSpc);
    PrintCandidates(list);
    return 0;
}

int RunScan(const std::vector<std::string>& argsIn)
{
    const char* usage = "scan FILE [--min BLOCKS]";
    std::vector<std::string> args = argsIn;
    std::string minText;
    bool missing = false;
    long minBlocks = kDefaultScanMinBlocks;
    if (TakeOption(args, "--min", minText, &missing) && (!ParseNumber(minText, minBlocks) || minBlocks < 0 ||
                                                          minBlocks > 0x7FFFFFFF))
        return UsageError(usage);
    if (missing || args.size() != 1)
        return UsageError(usage);
    std::vector<uint8_t> bytes;
    if (!ReadWhole(args[0], bytes, kMaxScanBytes))
        return Fail(kMsgCantOpenImport);
    CandidateList list;
    ScanForBrr(bytes.data(), bytes.size(), static_cast<int>(minBlocks), list);
    PrintCandidates(list);
    return 0;
}

const CliVerb kWav2Brr{"wav2brr", "wav2brr IN.wav OUT.brr", "encode a WAV file to BRR", RunWav2Brr};
const CliVerb kBrr2Wav{"brr2wav", "brr2wav IN.brr OUT.wav [--pitch P | --rate HZ]",
                       "decode BRR to a WAV file (default pitch 4096, 32000 Hz)", RunBrr2Wav};
const CliVerb kSamples{"samples", "samples IMAGE", "list the instrument samples and the free space", RunSamples};
const CliVerb kSampleExport{"sample export", "sample export IMAGE N OUT.brr", "write sample N as a BRR file",
                            RunSampleExport};
const CliVerb kSampleReplace{"sample replace", "sample replace IMAGE N FILE.brr|FILE.wav|FILE.spc:ENTRY",
                             "replace sample N and save the image", RunSampleReplace, kChangesImage};
const CliVerb kSpc{"spc", "spc FILE", "list the samples of an SPC sound dump", RunSpc};
const CliVerb kScan{"scan", "scan FILE [--min BLOCKS]", "scan any file for BRR samples", RunScan};

} // namespace

} // namespace quorvex::cli
