#pragma once
// Widget tests of the "Control Properties" editor, run offscreen on real records.

#include <QObject>

class PropertyEditorTest : public QObject
{
    Q_OBJECT
private slots:
    // Opening (editor_open_test.cpp)
    void elementsCarryTheirNamesHintsAndTabOrder();
    void sliderShowsOnlyItsSevenUsableFields();
    void inputShowsGreyGroupsAndABlackSelectionBackground();
    void multiLineRecordOpensWithLineSpacingUsable();
    void multilineSwitchTogglesLineSpacingAndKeepsItsText();
    void fontSearchIgnoresCaseAndShowsThePreview();
    void missingPreviewShowsNothing();
    void unknownKindOffersNoStyleAndKeepsItsStyle();
    void fieldsSelectAllOnFocusOnlyWhereTheTableSaysSo();

    // Typing, samples and the picker (editor_fields_test.cpp)
    void guardCutsWhatIsTypedNotWhatIsShown();
    void bothSeparators();
    void samplesFollowRedGreenAndBlueOnly();
    void pickerFillsTheFieldsThroughTheGuard();
    void pickerCancelChangesNothingAndBlackFillsZero();

    // Check, Apply, OK and Delete (editor_save_test.cpp)
    void emptiedTextGivesExactlySevenLines();
    void linkWithEmptyBackColorPassesAndStoresEmptyTexts();
    void styleWithBothSuffixesSurvivesASecondApply();
    void untouchedOkChangesNothing();
    void untouchedMultiLineTextRoundTrips();
    void applyOnButtonChangesCaptionNotColours();
    void okRefreshesSizeAndColoursOfAText();
    void deleteRemovesTheMiddleOfThree();
    void editReachesWhatTheGeneratorReads();
    void refusesWhatTheDesignFileCannotReadBack();

    // Keys (editor_keys_test.cpp)
    void enterReleaseRunsOkEvenInMultiLineFields();
    void escapeReleaseRunsCancel();
    void modifiedEnterTypesALineBreak();
    void openerShowsTheEditorModallyOnlyForARecord();
};
