// The saver's own file carries every picture, sound and tune under the id
// and type that the show asks for, and the icon and cursor groups; each is
// found with FindResourceA, as the show finds them. Its manifest and its
// version resource say what the system and Explorer read from them.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "bed_support.h"
#include "generated_assets.h"
#include "catalogue.h"
#include "version.h"

namespace {

struct Resource {
    const BYTE* pData = nullptr;
    DWORD nBytes = 0;
};

class SaverAssetResources : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        hSaver = LoadLibraryExA(SaverPath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    }
    static void TearDownTestSuite() {
        if (hSaver) FreeLibrary(hSaver);
        hSaver = nullptr;
    }
    void SetUp() override { ASSERT_NE(hSaver, nullptr) << "cannot open " << SaverPath(); }

    static Resource Find(LPCSTR szName, LPCSTR szType) {
        HRSRC hInfo = FindResourceA(hSaver, szName, szType);
        if (!hInfo) return {};
        HGLOBAL hData = LoadResource(hSaver, hInfo);
        return {hData ? static_cast<const BYTE*>(LockResource(hData)) : nullptr, SizeofResource(hSaver, hInfo)};
    }

    static HMODULE hSaver;
};
HMODULE SaverAssetResources::hSaver = nullptr;

uint32_t U16(const BYTE* p) { return p[0] | (p[1] << 8); }
uint32_t U32(const BYTE* p) { return U16(p) | (U16(p + 2) << 16); }

TEST_F(SaverAssetResources, EveryPictureAsAnEightBitBitmap) {
    std::set<int> ids;
    for (const LoadListEntry& e : LoadList) ids.insert(e.nResourceId);
    for (const PictureEntry& e : OtherPictures) ids.insert(e.nResourceId);
    for (int nId : ids) {
        SCOPED_TRACE("bitmap " + std::to_string(nId));
        Resource r = Find(MAKEINTRESOURCEA(nId), RT_BITMAP);
        EXPECT_NE(r.pData, nullptr) << "not found";
        if (!r.pData || r.nBytes < 40u + 1024u) continue;
        const uint32_t nWidth = U32(r.pData + 4), nHeight = U32(r.pData + 8);
        EXPECT_EQ(U32(r.pData), 40u);
        EXPECT_EQ(U16(r.pData + 14), 8u);
        EXPECT_EQ(U32(r.pData + 16), 0u);
        EXPECT_EQ(r.nBytes, 40u + 1024u + ((nWidth + 3) & ~3u) * nHeight) << "a packed DIB, no file header";
    }
}

TEST_F(SaverAssetResources, EverySoundAsARiffWave) {
    for (const ExpectedSound& s : kExpectedSounds) {
        SCOPED_TRACE("wave " + std::to_string(s.nId));
        Resource r = Find(MAKEINTRESOURCEA(s.nId), "WAVE");
        EXPECT_NE(r.pData, nullptr) << "not found";
        if (!r.pData || r.nBytes < 44u) continue;
        EXPECT_EQ(std::memcmp(r.pData, "RIFF", 4), 0);
        EXPECT_EQ(U32(r.pData + 4) + 8, r.nBytes);
        EXPECT_EQ(std::memcmp(r.pData + 8, "WAVE", 4), 0);
    }
}

TEST_F(SaverAssetResources, BothTunesAtTheirExactSizes) {
    for (const ExpectedTune& t : kExpectedTunes) {
        SCOPED_TRACE("midi " + std::to_string(t.nId));
        Resource r = Find(MAKEINTRESOURCEA(t.nId), "MIDI");
        EXPECT_NE(r.pData, nullptr) << "not found";
        if (!r.pData || r.nBytes < 4u) continue;
        EXPECT_EQ(r.nBytes, t.nBytes);
        EXPECT_EQ(std::memcmp(r.pData, "MThd", 4), 0);
    }
}

TEST_F(SaverAssetResources, IconAndCursorGroups) {
    Resource icon = Find(kIconGroupName, RT_GROUP_ICON);
    ASSERT_NE(icon.pData, nullptr) << "icon group not found";
    ASSERT_GE(icon.nBytes, 6u);
    EXPECT_EQ(U16(icon.pData + 4), 6u) << "images in the icon group";
    Resource cursor = Find(MAKEINTRESOURCEA(kHandCursorId), RT_GROUP_CURSOR);
    ASSERT_NE(cursor.pData, nullptr) << "cursor group not found";
    ASSERT_GE(cursor.nBytes, 6u);
    EXPECT_EQ(U16(cursor.pData + 4), 1u) << "images in the cursor group";
}

// ---- The manifest and the version ----------------------------------------------

// An element of a small XML text: its name, attributes and the text that
// follows its start tag.
struct XmlElement {
    std::string szName;
    std::map<std::string, std::string> attributes;
    std::string szText;
};

// Every start tag, in order; comments, declarations and end tags are passed
// over. Enough for a manifest, which has no entities or CDATA.
std::vector<XmlElement> XmlElements(const std::string& szXml) {
    std::vector<XmlElement> elements;
    size_t i = 0;
    while ((i = szXml.find('<', i)) != std::string::npos) {
        if (szXml.compare(i, 4, "<!--") == 0) {
            i = szXml.find("-->", i);
            if (i == std::string::npos) break;
            continue;
        }
        const size_t nEnd = szXml.find('>', i);
        if (nEnd == std::string::npos) break;
        if (szXml[i + 1] == '/' || szXml[i + 1] == '?' || szXml[i + 1] == '!') {
            i = nEnd;
            continue;
        }
        const std::string szTag = szXml.substr(i + 1, nEnd - i - 1);
        XmlElement element;
        size_t p = szTag.find_first_of(" \t\r\n/");
        element.szName = szTag.substr(0, p);
        while (p != std::string::npos && (p = szTag.find_first_not_of(" \t\r\n/", p)) != std::string::npos) {
            const size_t nEquals = szTag.find('=', p);
            const size_t nOpen = szTag.find('"', nEquals);
            const size_t nClose = szTag.find('"', nOpen + 1);
            if (nEquals == std::string::npos || nOpen == std::string::npos || nClose == std::string::npos) break;
            element.attributes[szTag.substr(p, nEquals - p)] = szTag.substr(nOpen + 1, nClose - nOpen - 1);
            p = nClose + 1;
        }
        const size_t nNext = szXml.find('<', nEnd);
        element.szText = szXml.substr(nEnd + 1, (nNext == std::string::npos ? szXml.size() : nNext) - nEnd - 1);
        elements.push_back(element);
        i = nEnd;
    }
    return elements;
}

// An attribute's value, or "(absent)".
std::string Attribute(const XmlElement& element, const std::string& szName) {
    const auto it = element.attributes.find(szName);
    return it == element.attributes.end() ? "(absent)" : it->second;
}

std::vector<XmlElement> Named(const std::vector<XmlElement>& elements, const std::string& szName) {
    std::vector<XmlElement> found;
    for (const XmlElement& e : elements)
        if (e.szName == szName) found.push_back(e);
    return found;
}

TEST_F(SaverAssetResources, ManifestAsksForRealPixelsThemedControlsAndTheCallersRights) {
    Resource manifest = Find(MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24));  // RT_MANIFEST
    ASSERT_NE(manifest.pData, nullptr) << "no manifest";
    const std::string szXml(reinterpret_cast<const char*>(manifest.pData), manifest.nBytes);
    const std::vector<XmlElement> elements = XmlElements(szXml);
    ASSERT_FALSE(elements.empty());
    EXPECT_EQ(elements[0].szName, "assembly");
    EXPECT_EQ(Attribute(elements[0], "manifestVersion"), "1.0");

    const std::vector<XmlElement> identities = Named(elements, "assemblyIdentity");
    ASSERT_EQ(identities.size(), 2u);
    EXPECT_EQ(Attribute(identities[0], "version"), HARBORGAST_VERSION_TEXT ".0");
    EXPECT_EQ(Attribute(identities[0], "processorArchitecture"), "amd64");
    // Common Controls 6, as a dependency.
    EXPECT_EQ(Attribute(identities[1], "name"), "Microsoft.Windows.Common-Controls");
    EXPECT_EQ(Attribute(identities[1], "version"), "6.0.0.0");
    EXPECT_EQ(Attribute(identities[1], "publicKeyToken"), "6595b64144ccf1df");
    EXPECT_EQ(Named(elements, "dependentAssembly").size(), 1u);

    const std::vector<XmlElement> level = Named(elements, "requestedExecutionLevel");
    ASSERT_EQ(level.size(), 1u);
    EXPECT_EQ(Attribute(level[0], "level"), "asInvoker");
    EXPECT_EQ(Attribute(level[0], "uiAccess"), "false");

    // Windows 7, 8, 8.1, and 10 with 11, which share theirs.
    std::set<std::string> systems;
    for (const XmlElement& e : Named(elements, "supportedOS")) systems.insert(Attribute(e, "Id"));
    EXPECT_EQ(systems, (std::set<std::string>{"{35138b9a-5d96-4fbd-8e2d-a2440225f93a}",
                                              "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}",
                                              "{1f676c76-80e1-4239-95bb-83d0f6d0da78}",
                                              "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"}));

    // Per-Monitor V2, then per monitor; before that, per monitor on 8.1
    // and system-aware on 7 and 8.
    const std::vector<XmlElement> awareness = Named(elements, "dpiAwareness");
    ASSERT_EQ(awareness.size(), 1u);
    EXPECT_EQ(awareness[0].szText, "PerMonitorV2, PerMonitor");
    EXPECT_EQ(Attribute(awareness[0], "xmlns"), "http://schemas.microsoft.com/SMI/2016/WindowsSettings");
    const std::vector<XmlElement> aware = Named(elements, "dpiAware");
    ASSERT_EQ(aware.size(), 1u);
    EXPECT_EQ(aware[0].szText, "true/pm");
    EXPECT_EQ(Attribute(aware[0], "xmlns"), "http://schemas.microsoft.com/SMI/2005/WindowsSettings");
}

// What Explorer's Details tab shows, read as it reads it.
TEST(SaverVersionResource, NamesTheProductItsVersionAndItsLicence) {
    const std::string szPath = SaverPath();
    DWORD nHandle = 0;
    const DWORD nSize = GetFileVersionInfoSizeA(szPath.c_str(), &nHandle);
    ASSERT_GT(nSize, 0u) << "no version resource";
    std::vector<BYTE> info(nSize);
    ASSERT_TRUE(GetFileVersionInfoA(szPath.c_str(), 0, nSize, info.data()));

    VS_FIXEDFILEINFO* pFixed = nullptr;
    UINT nFixedSize = 0;
    ASSERT_TRUE(VerQueryValueA(info.data(), "\\", reinterpret_cast<void**>(&pFixed), &nFixedSize));
    ASSERT_GE(nFixedSize, sizeof *pFixed);
    EXPECT_EQ(pFixed->dwSignature, 0xFEEF04BDu);
    const DWORD nMajorMinor = MAKELONG(HARBORGAST_VERSION_MINOR, HARBORGAST_VERSION_MAJOR);
    const DWORD nPatch = MAKELONG(0, HARBORGAST_VERSION_PATCH);
    EXPECT_EQ(pFixed->dwFileVersionMS, nMajorMinor);
    EXPECT_EQ(pFixed->dwFileVersionLS, nPatch);
    EXPECT_EQ(pFixed->dwProductVersionMS, nMajorMinor);
    EXPECT_EQ(pFixed->dwProductVersionLS, nPatch);
    EXPECT_EQ(pFixed->dwFileType, DWORD(VFT_APP));

    struct Translation {
        WORD nLanguage, nCodePage;
    }* pTranslation = nullptr;
    UINT nTranslationSize = 0;
    ASSERT_TRUE(VerQueryValueA(info.data(), "\\VarFileInfo\\Translation", reinterpret_cast<void**>(&pTranslation),
                               &nTranslationSize));
    ASSERT_GE(nTranslationSize, sizeof *pTranslation);
    char szBlock[64];
    snprintf(szBlock, sizeof szBlock, "\\StringFileInfo\\%04x%04x\\", pTranslation->nLanguage,
             pTranslation->nCodePage);
    const std::string szVersion = std::to_string(HARBORGAST_VERSION_MAJOR) + "." +
                                  std::to_string(HARBORGAST_VERSION_MINOR) + "." +
                                  std::to_string(HARBORGAST_VERSION_PATCH);
    EXPECT_EQ(szVersion, HARBORGAST_VERSION_TEXT);
    const std::pair<const char*, std::string> expected[] = {
        {"ProductName", "Harborgast"},           {"FileDescription", "Harborgast Screen Saver"},
        {"ProductVersion", szVersion},           {"FileVersion", szVersion},
        {"LegalCopyright", "MIT License"},       {"OriginalFilename", "SSHarborgast.scr"},
    };
    for (const auto& e : expected) {
        char* pText = nullptr;
        UINT nLength = 0;
        const std::string szQuery = std::string(szBlock) + e.first;
        ASSERT_TRUE(VerQueryValueA(info.data(), szQuery.c_str(), reinterpret_cast<void**>(&pText), &nLength))
            << e.first;
        EXPECT_EQ(std::string(pText), e.second) << e.first;
    }
}

}  // namespace
