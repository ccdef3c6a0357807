// Talvenor's panel in Shotcut: Mode, Orientation and Comparator as lists that set
// the choice's name, Threshold as a slider of 0 to 255 with keyframes, stored as
// the slider value over 255, which the plug-in rounds to the nearest whole value.
import QtQuick 2.12
import QtQuick.Controls 2.12
import QtQuick.Layouts 1.12
import Shotcut.Controls 1.0 as Shotcut

Shotcut.KeyframableFilter {
    id: talvenor

    property string threshold: 'Threshold'
    property double thresholdDefault: 45 / 255
    // Each list: the plug-in's parameter, its choices in the plug-in's order, the default.
    property var lists: [
        { property: 'Mode', choices: ['Simple Sort', 'Random', 'Highlights', 'Shadows', 'All pixels'], initial: 'Highlights' },
        { property: 'Orientation', choices: ['Column', 'Row', 'Both'], initial: 'Column' },
        { property: 'Comparator', choices: ['Average', 'Multiply', 'Min', 'Max', 'XOR'], initial: 'Average' }
    ]

    // The list's choice for the filter's text, which may be in any letter case.
    function choiceIndex(list) {
        var text = filter.get(list.property).toLowerCase();
        for (var i = 0; i < list.choices.length; ++i) {
            if (list.choices[i].toLowerCase() === text)
                return i;
        }
        return list.choices.indexOf(list.initial);
    }

    function setControls() {
        var position = getPosition();
        blockUpdate = true;
        for (var i = 0; i < lists.length; ++i)
            listRepeater.itemAt(i).combo.currentIndex = choiceIndex(lists[i]);
        thresholdSlider.value = Math.round(filter.getDouble(threshold, position) * 255);
        thresholdKeyframesButton.checked = filter.animateIn <= 0 && filter.animateOut <= 0 && filter.keyframeCount(threshold) > 0;
        blockUpdate = false;
        thresholdSlider.enabled = isSimpleKeyframesActive();
    }

    function updateSimpleKeyframes() {
        updateFilter(threshold, thresholdSlider.value / 255, thresholdKeyframesButton, null);
    }

    keyframableParameters: [threshold]
    startValues: [0]
    middleValues: [thresholdDefault]
    endValues: [0]
    width: 350
    height: 150
    Component.onCompleted: {
        if (filter.isNew) {
            for (var i = 0; i < lists.length; ++i)
                filter.set(lists[i].property, lists[i].initial);
            filter.set(threshold, thresholdDefault);
            filter.savePreset(preset.parameters);
        }
        setControls();
    }

    GridLayout {
        anchors.fill: parent
        anchors.margins: 8
        columns: 4

        Label {
            text: qsTr('Preset')
            Layout.alignment: Qt.AlignRight
        }

        Shotcut.Preset {
            id: preset

            parameters: ['Mode', 'Orientation', 'Comparator', threshold]
            Layout.columnSpan: 3
            onBeforePresetLoaded: resetSimpleKeyframes()
            onPresetSelected: {
                setControls();
                initializeSimpleKeyframes();
            }
        }

        Repeater {
            id: listRepeater

            model: lists

            // A label, the list and its undo button, across the grid's four columns.
            delegate: RowLayout {
                property alias combo: combo

                Layout.columnSpan: 4
                Label {
                    text: modelData.property
                    Layout.minimumWidth: 90
                    horizontalAlignment: Text.AlignRight
                }

                Shotcut.ComboBox {
                    id: combo

                    implicitWidth: 180
                    model: modelData.choices
                    onActivated: filter.set(modelData.property, modelData.choices[index])
                }

                Shotcut.UndoButton {
                    onClicked: {
                        filter.set(modelData.property, modelData.initial);
                        combo.currentIndex = modelData.choices.indexOf(modelData.initial);
                    }
                }
            }
        }

        Label {
            text: qsTr('Threshold')
            Layout.alignment: Qt.AlignRight
        }

        Shotcut.SliderSpinner {
            id: thresholdSlider

            minimumValue: 0
            maximumValue: 255
            stepSize: 1
            decimals: 0
            onValueChanged: updateFilter(threshold, value / 255, thresholdKeyframesButton, getPosition())
        }

        Shotcut.UndoButton {
            onClicked: thresholdSlider.value = 45
        }

        Shotcut.KeyframesButton {
            id: thresholdKeyframesButton

            onToggled: {
                thresholdSlider.enabled = true;
                toggleKeyframes(checked, threshold, thresholdSlider.value / 255);
            }
        }

        Item {
            Layout.fillHeight: true
        }
    }

    Connections {
        function onChanged() {
            setControls();
        }

        function onInChanged() {
            updateSimpleKeyframes();
        }

        function onOutChanged() {
            updateSimpleKeyframes();
        }

        function onAnimateInChanged() {
            updateSimpleKeyframes();
        }

        function onAnimateOutChanged() {
            updateSimpleKeyframes();
        }

        function onPropertyChanged(name) {
            setControls();
        }

        target: filter
    }

    Connections {
        function onPositionChanged() {
            setControls();
        }

        target: producer
    }
}
