#pragma once

#include "core/persistence/RegistryBackend.h"

#include <QString>
#include <QStringList>
#include <QVariant>

#include <functional>
#include <utility>

namespace pellor {

class clsProfile;

// The one settings object of the editor: the placement of the main window and the options
// of the server being configured. It reads and writes three stores, chosen by a target:
// 1 the variant's registry key (below HKEY_CLASSES_ROOT), 3 the editor profile (window
// placement and a copy of the server options) and 4 the Tovan server profile "Tovan.ini" in
// the Tovan data folder. Target 0 does nothing and succeeds; 2 and any other fail.
//
// Booleans are stored as the DWORD -1/0 in the registry, "True"/"False" in the editor
// profile and "1"/"0" in the Tovan server profile. The two profiles that can hold the OPC UA
// password (Tovan's editor profile and the server profile) are written with mode 0600.
class clsPellorData {
public:
    // Shows a numbered message through the program's message interface (style: the
    // MessageStyle values of Prompter.h).
    using MessageFunction = std::function<void(int messageId, int style)>;

    // The message the readers show when a stored document path does not end in "plr".
    static constexpr int MessageBadDocumentPath = 542;

    // variantNumber: ProgramVariant::Pellor (also KESTRIN), Ventor, Kelvo or Tovan.
    clsPellorData(RegistryBackend& registry, qint32 variantNumber,
                  MessageFunction showMessage = {});
    clsPellorData(const clsPellorData&) = delete;
    clsPellorData& operator=(const clsPellorData&) = delete;

    void setMessageFunction(MessageFunction showMessage) { m_showMessage = std::move(showMessage); }
    qint32 variantNumber() const { return m_variant; }

    // Fields, in declaration order (twips for the window placement).
    qint32 m_lWindowState = 0;
    qint32 m_lFormLeft = 0;
    qint32 m_lFormTop = 0;
    qint32 m_lFormWidth = 0;
    qint32 m_lFormHeight = 0;
    QString m_strDataFilePath;
    qint16 m_iProcessPriority = 0;
    qint32 m_lLCID = 0;
    bool m_bNotRepeatErr = false;
    qint16 m_iLogType = 0;
    QString m_strFileName;
    QString m_strUDPParam;
    qint16 m_iLogLevel = 0;
    bool m_bRACCapture = false;
    bool m_bDcomEnabled = false;
    bool m_bDDEEnabled = false;
    bool m_bCORBAEnabled = false;
    QString m_strCORBAOption;
    bool m_bJNIEnabled = false;
    bool m_bRacEnabled = false;
    QStringList m_colRacOpt;
    qint32 m_lOPCUAPortNumber = 0;
    bool m_bOPCUAEnaAnonymous = false;
    bool m_bOPCUAEnaUserPw = false;
    QString m_strOPCUAUsername;
    QString m_strOPCUAPassword;
    bool m_bCoAPEnabled = false;
    QStringList m_colCoAPOpt;
    bool m_bOPCUAEnaServer = false;

    // Sets every field that has a default to it and empties both lists; the window
    // placement, the document path and the two server switches keep their values.
    void Cleanup();
    bool Initialize(qint32 target) { return ReadInfo(target); }
    bool ReadInfo(qint32 target);
    bool WriteInfo(qint32 target);

    // The registry reader (target 1): 0 or the registry error code (InvalidData when a value
    // cannot be converted).
    qint32 ReadRegInfo();
    // Deletes every value of the variant's key (creating the key when missing); for Tovan
    // then writes the empty REG_SZ "Cert.Path". 0, or the first failure.
    qint32 DeleteRegInfo();
    // Reads the legacy logging values of Tovan from "Software\Tovan".
    qint32 ReadReadTovanRegInfo();

    // Process priority: six steps (idle, below normal, normal, above normal, high, realtime)
    // and the legacy four (idle, normal, high, realtime). Values off the scale give normal.
    static qint16 ToLegacyPriority(qint32 priority);
    static qint16 FromLegacyPriority(qint32 legacy);
    // The log type as stored: index 5 and above is stored as index + 2.
    static qint32 ToStoredLogType(qint32 logType);
    static qint32 FromStoredLogType(qint32 stored);

    // Where the stores are: the key below HKEY_CLASSES_ROOT, the editor profile (per-user
    // configuration folder) and the Tovan server profile.
    QString registryKeyPath() const;
    QString appProfilePath() const;
    QString serverProfilePath() const;
    // The document name proposed when saving a document that has no path yet: the variant's
    // default name, for Tovan in the Tovan data folder (created when it is the common one).
    QString proposedDocumentPath() const;

private:
    qint32 WriteRegInfo();
    qint32 ReadAppProfile();
    qint32 WriteAppProfile();
    qint32 ReadServerProfile();
    qint32 WriteServerProfile();

    // The values of the registry layout, numbers and Booleans as such, in writing order;
    // withOptionLists adds RACServerEnabled to CoAPS<n>.
    QList<std::pair<QString, QVariant>> registryValues(bool withOptionLists) const;
    qint32 readServerSections(const clsProfile& profile, bool editorProfile);
    bool writeServerSections(clsProfile& profile) const;
    void reportBadDocumentPath();
    bool isPellor() const;
    bool isTovan() const;

    RegistryBackend& m_registry;
    qint32 m_variant;
    MessageFunction m_showMessage;
};

} // namespace pellor
