#pragma once

#include <QtGlobal>

namespace pellor {

// The one program-wide state object: created at start-up and handed to whoever needs it.
// Counter operations are plain integer operations without bounds checks.
class ProgramState {
public:
    qint32 variantNumber() const { return m_variantNumber; }
    void setVariantNumber(qint32 v) { m_variantNumber = v; }

    qint32 robotMode() const { return m_robotMode; }
    void setRobotMode(qint32 v) { m_robotMode = v; }

    qint32 rootImageIndex() const { return m_rootImageIndex; }
    void setRootImageIndex(qint32 v) { m_rootImageIndex = v; }

    bool isModified() const { return m_modified; }
    void setModified(bool v) { m_modified = v; }

    bool isLinkMode() const { return m_linkMode; }
    void setLinkMode(bool v) { m_linkMode = v; }

    qint32 controllerCount() const { return m_controllerCount; }
    void incrementControllerCount() { ++m_controllerCount; }
    void decrementControllerCount() { --m_controllerCount; }
    void resetControllerCount() { m_controllerCount = 0; }

    qint32 itemCount() const { return m_itemCount; }
    void incrementItemCount() { ++m_itemCount; }
    void decrementItemCount() { --m_itemCount; }
    void resetItemCount() { m_itemCount = 0; }

private:
    qint32 m_variantNumber = 0;
    qint32 m_robotMode = 0;
    qint32 m_rootImageIndex = 22;
    bool m_modified = false;
    bool m_linkMode = false;
    qint32 m_controllerCount = 0;
    qint32 m_itemCount = 0;
};

} // namespace pellor
