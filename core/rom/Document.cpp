#include "rom/Document.h"

#include <filesystem>

#include "rom/PatchDetect.h"
#include "rom/RestorePoints.h"
#include "rom/SafeReplace.h"

namespace quorvex {

CQuorvexDoc::CQuorvexDoc() : m_rom(std::make_unique<RomData>()) { ResetRomData(*m_rom); }

OpenResult CQuorvexDoc::OnOpenDocument(const std::string& path, bool readOnlyOk)
{
    OpenResult result;
    ImageFile f;
    ImageFile::OpenStatus status = f.Open(path);
    if (status == ImageFile::OpenStatus::ReadOnly && readOnlyOk)
        status = f.OpenForReading(path);
    switch (status) {
    case ImageFile::OpenStatus::ReadOnly:
        result.error = kReadOnlyMessage;
        return result;
    case ImageFile::OpenStatus::Error:
        result.error = f.ErrorText();
        return result;
    case ImageFile::OpenStatus::Ok:
        break;
    }
    RomData& rd = *m_rom;
    ResetRomData(rd);
    IdentifyImage(f, rd, path);
    EvaluateImageSize(f.Length(), rd);
    LoadMapGfxPointers(f, rd);
    DetectPatches(f, rd);
    if (rd.IsKnown())
        result.warning = LoadGameTables(f, rd);
    f.Close();
    m_modified = false;
    result.ok = true;
    return result;
}

SaveResult CQuorvexDoc::OnSaveDocument(const std::string& path) { return Save(path, path); }

SaveResult CQuorvexDoc::OnSaveDocumentAs(const std::string& from, const std::string& to)
{
    SaveResult result = Save(from, to);
    if (result.ok)
        m_rom->path = to;
    return result;
}

SaveResult CQuorvexDoc::Save(const std::string& from, const std::string& to)
{
    SaveResult result;
    RomData& rd = *m_rom;
    const bool copy = from != to && !SameFile(from, to);
    if (!rd.IsKnown() && !copy) {
        result.error = ImageWriteRefusal(to);
        result.ok = result.error.empty();
        if (result.ok)
            m_modified = false;
        return result;
    }
    // The image as it is on disk becomes a restore point once every table
    // was written into the copy, before the copy replaces it. A Save As to
    // a new name has no earlier image there to keep.
    std::error_code ec;
    const bool replacing = std::filesystem::exists(to, ec);
    auto keepRestorePoint = [&] {
        std::string keepError;
        if (replacing && m_restorePoints > 0 && !KeepRestorePoint(to, m_restorePoints, keepError))
            result.warning = RestorePointFailure(keepError);
    };
    // An image of unknown release has no tables loaded: its copy keeps the
    // bytes it has.
    auto write = [&rd](ImageFile& f) {
        if (rd.IsKnown())
            StoreGameTables(f, rd);
    };
    const ReplaceResult r = copy ? WriteImageCopy(from, to, rd.IsHeaderless(), write, keepRestorePoint)
                                  : RewriteImageFile(to, rd.IsHeaderless(), write, keepRestorePoint);
    result.error = r.error;
    result.notice = r.notice;
    if (!r.ok)
        return result;
    m_modified = false;
    result.ok = true;
    return result;
}

std::string LoadGameTables(ImageFile& f, RomData& rd)
{
    LoadFormations(f, rd);
    LoadMonsterPalettes(f, rd);
    LoadGraphics(f, rd);
    LoadMonsterNames(f, rd);
    LoadMonsters(f, rd);
    LoadBattleTexts(f, rd);
    std::string warning = LoadBattleScripts(f, rd);
    LoadItemNames(f, rd);
    LoadItems(f, rd);
    LoadItemDescriptions(f, rd);
    LoadBattleAnimations(f, rd);
    LoadMorphPacks(f, rd);
    LoadActorNames(f, rd);
    LoadActors(f, rd);
    LoadColosseum(f, rd);
    LoadMagicNames(f, rd);
    LoadMonsterExtras(f, rd);
    LoadPacksAndZones(f, rd);
    LoadEncounterTables(f, rd);
    LoadSpells(f, rd);
    LoadSpellAnimations(f, rd);
    LoadEspers(f, rd);
    LoadBattleBackgrounds(f, rd);
    LoadSoundSamples(f, rd);
    LoadDialogue(f, rd);
    LoadWorldMaps(f, rd);
    LoadSpecialAttackNames(f, rd);
    LoadBattleEditorData(f, rd);
    LoadBattleTables(f, rd);
    return warning;
}

void StoreGameTables(ImageFile& f, RomData& rd)
{
    StoreFormations(f, rd);
    StoreMonsterPalettes(f, rd);
    StoreGraphics(f, rd);
    StoreMonsterNames(f, rd);
    StoreMonsters(f, rd);
    StoreBattleTexts(f, rd);
    StoreBattleScripts(f, rd);
    StoreItemNames(f, rd);
    StoreItems(f, rd);
    StoreItemDescriptions(f, rd);
    StoreBattleAnimations(f, rd);
    StoreMorphPacks(f, rd);
    StoreActorNames(f, rd);
    StoreActors(f, rd);
    StoreColosseum(f, rd);
    StoreMagicNames(f, rd);
    StoreMonsterExtras(f, rd);
    StorePacksAndZones(f, rd);
    StoreEncounterTables(f, rd);
    StoreSpells(f, rd);
    StoreSpellAnimations(f, rd);
    StoreEspers(f, rd);
    StoreBattleBackgrounds(f, rd);
    StoreSoundSamples(f, rd);
    StoreDialogue(f, rd);
    StoreWorldMaps(f, rd);
    StoreMapGfxPointers(f, rd);
    StoreSpecialAttackNames(f, rd);
    StoreBattleEditorData(f, rd);
    StoreBattleTables(f, rd);
}

} // namespace quorvex
