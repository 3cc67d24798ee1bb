#pragma once

#include "core/model/SerialObject.h"

#include <memory>

namespace pellor {

// One controller variable read and served by the server. An item inside a group has
// IsGroupMember set and the name "[" + group + "]" + bare name.
class clsPellorItem : public SerialObject {
public:
    clsPellorItem() { Cleanup(); }

    static const ClassInfo& staticClassInfo();
    const ClassInfo& classInfo() const override { return staticClassInfo(); }

    // Sets the defaults, the controller and item names, and the variable name to the bare
    // item name.
    bool Initialize(const QString& CtrlName, const QString& ItemName);
    void Cleanup();
    // A new item of controller CtrlName named NewName (this item's name when empty) with this
    // item's settings; type, data type, BLOB fields, unit and group membership keep their
    // defaults.
    std::shared_ptr<clsPellorItem> Copy(const QString& CtrlName,
                                        const QString& NewName = QString()) const;
    qint16 ClassAttribute() const { return 2; }

    // Splits m_strItemName into group and bare item name. lSepPos is the position of the "]"
    // within the text after the first "[" (1-based), 0 when there is no "[", and left as it
    // was for an item outside a group.
    void GetGroupAndItemName(QString& strResGrp, QString& strResItem, qint32& lSepPos) const;
    // The tree key of the item: Engine\controller\[group\]item.
    QString FullName() const;

    QString m_strVarName;
    qint32 m_lSystemType = 0;
    QString m_strSysObjName;
    QString m_strSysObjOption;
    bool m_bDescription = true;
    QString m_strDescription;
    bool m_bUseHistory = true;
    bool m_bUseEmpty = false;
    bool m_bEnabled = true;
    qint32 m_lImageIndex = 2;
    bool m_bOnChangeEvent = true;
    qint32 m_lType = 0; // 0 plain, 1 alias, 2 array; not reset by Cleanup
    bool m_bDeactivate = false;
    bool m_bDeadBand = false;
    float m_fDeadBandMin = 0;
    float m_fDeadBandMax = 0;
    bool m_bMinMax = false;
    float m_fMin = 0;
    float m_fMax = 0;
    bool m_bChatEnabled = false;
    qint32 m_lChatMax = 0;
    float m_fAllowedMin = 0;
    float m_fAllowedMax = 0;
    float m_fAllowedStep = 0;
    QString m_strAllowedList;
    QString m_strDefaultValue;
    qint32 m_lAttribute = 0; // 0 read and write, 1 read only, 2 write only
    qint32 m_lForceChange = 0;
    bool m_bVariableEnabled = true;
    bool m_bInitialize = false;
    QString m_strInitData;
    qint32 m_lInitDataType = 3;
    QString m_strOption;
    qint32 m_lDataType = 0; // not reset
    qint32 m_lBLOBSize = 0; // not reset
    QString m_strBLOB;      // not reset
    QString m_strEUUnit;    // not reset
    bool m_bMaskEnabled = false;
    qint32 m_lMask = 0;
    bool m_bBCD = false;
    qint32 m_lCalcIndex = 0;
    qint32 m_lCalcIndex2 = 0;
    QString m_str2ndItem;
    QString m_str3rdItem;
    bool m_bChangeType = false;
    qint32 m_lRequestType = 12;
    bool m_bChangeTypeW = false;
    qint32 m_lRequestTypeW = 12;
    bool m_bCompArrays = false;
    bool m_bExtrLink = false;
    qint32 m_lLinkProp = 0;
    QString m_strItemName;      // not reset
    QString m_strCtrlName;      // not reset
    QString LinkItem;           // item references separated by commas
    bool IsGroupMember = false; // not reset
};

} // namespace pellor
