#pragma once
// Where tips keeps its settings, below HKEY_CURRENT_USER.

// The user record the login window stores and the tray mode reads.
inline constexpr char kUserRecordKey[] = "SOFTWARE\\Kest";
inline constexpr char kUserRecordValue[] = "userdata";
// The start of the tray mode at logon.
inline constexpr char kRunKey[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
inline constexpr char kRunValue[] = "kest";
// The embedded browser's emulation mode, one value per executable file name.
inline constexpr char kBrowserEmulationKey[] =
    "SOFTWARE\\Microsoft\\Internet Explorer\\Main\\FeatureControl\\FEATURE_BROWSER_EMULATION";
