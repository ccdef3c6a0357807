// Talvenor for Shotcut: what its filter list shows of the MLT filter
// frei0r.talvenor (the frei0r plug-in talvenor.so), and the panel it opens.
// Shotcut lists a filter only through a folder like this one, beside its own.
import QtQuick 2.0
import org.shotcut.qml 1.0

Metadata {
    type: Metadata.Filter
    name: qsTr("Talvenor")
    keywords: qsTr('pixel sorting sort glitch', 'search keywords for the Talvenor video filter') + ' talvenor'
    mlt_service: "frei0r.talvenor"
    qml: "ui.qml"

    // Threshold alone takes keyframes; the three lists hold for the whole clip.
    keyframes {
        allowAnimateIn: true
        allowAnimateOut: true
        simpleProperties: ['Threshold']
        parameters: [
            Parameter {
                name: qsTr('Threshold')
                property: 'Threshold'
                isCurve: true
                minimum: 0
                maximum: 1
            }
        ]
    }
}
