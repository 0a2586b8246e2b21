#pragma once
// Workshop settings for the dialog tests: two formats, DSTV naming with a code the catalogue
// does not know, the four base groups and a group of our own with two views.

#include "platform/core/workshop/WsUiSettingsFile.h"

#include <gtest/gtest.h>

namespace wstest {

inline const char* const kSettingsJson = R"({
  "mDimStyleTemplate": "Templates\\Maat.dwt",
  "mAcadDimStyle": "TF",
  "mTfDimStyle": "TF-Staal",
  "mDSTVWeldpointsOnMarks": 1,
  "mAddStripsToPlates": 0,
  "mDSTVFileNaming": {"mPageNumbering": 0, "mFileNaming": [2, 77, 3], "mSeperator": "_",
                      "mTruncateValues": 1, "mFolderNaming": "Niet in de catalogus"},
  "mDXFFileNaming": {"mPageNumbering": 1, "mFileNaming": [101], "mSeperator": "-",
                     "mTruncateValues": 0, "mFolderNaming": "Fase"},
  "mFormats": [
    {"mFormatName": "A4", "mEnabled": 1, "mFormatWidth": "297", "mFormatHeight": "210",
     "mPermittedScales": [1, 5, 10]},
    {"mFormatName": "A3", "mEnabled": 0, "mFormatWidth": "420", "mFormatHeight": "297",
     "mPermittedScales": [10, 20]}
  ],
  "mGroupedSettings": [
    {"mGroupName": "Plates", "mType": 1, "mFilterProperties": [], "mFilterValues": [],
     "mAssemblySettings": {"mViews": []}},
    {"mGroupName": "Members", "mType": 2, "mFilterProperties": [], "mFilterValues": [],
     "mAssemblySettings": {"mViews": [
       {"mViewName": "Voorzicht", "mViewType": 5, "mDrawnForFeatures": 5}]}},
    {"mGroupName": "Marks", "mType": 3, "mFilterProperties": [], "mFilterValues": [],
     "mAssemblySettings": {"mViews": []}},
    {"mGroupName": "UOGs", "mType": 4, "mFilterProperties": [], "mFilterValues": [],
     "mAssemblySettings": {"mViews": []}},
    {"mGroupName": "Trappen", "mType": 2, "mFilterProperties": [5, 11, 4],
     "mFilterValues": ["S355", "2"],
     "mAssemblySettings": {"mShortening": 1, "mShorteningStyle": 3, "mViews": [
       {"mViewName": "Boven", "mViewType": 2, "mDrawnForFeatures": 10},
       {"mViewName": "Onder", "mViewType": 3, "mDrawnForFeatures": 0}]}}
  ]
})";

inline WsUiGlobalSettings testSettings() {
    WsUiGlobalSettings settings;
    Vdn_String message;
    EXPECT_TRUE(core::readWsUiSettings(kSettingsJson, settings, message)) << message.toUtf8();
    return settings;
}

} // namespace wstest
