#pragma once
// Identifiers of menu items whose captions or enabled state the library sets.
// An item is named by its handler ("delsep_Click") and, for handlers shared
// by several items, the item index ("delsep_Click#2"); items without a
// handler of their own have a descriptive name.

namespace zembu::core::menu {

// File
inline constexpr const char* Open = "otevrittabulku";
inline constexpr const char* Append = "tableappend";
inline constexpr const char* Save = "ulozittabulku2";
inline constexpr const char* ExportHead = "exportHead";
inline constexpr const char* CurrentRtfFile = "currentRtfFile";
// Edit
inline constexpr const char* Undo = "VytazeniZalohyDat";
// Species
inline constexpr const char* MergeSpecies = "sloucdruh_Click";
inline constexpr const char* DeleteSpecies = "druhmaza_Click";
// Relevés
inline constexpr const char* DeleteReleves = "deleteReleves";
// Head
inline constexpr const char* CountSpecies = "countSpecies";
inline constexpr const char* SumOfSpeciesData = "sumOfSpeciesData";
inline constexpr const char* PercentageAbundance = "percentageAbundanceOf";
inline constexpr const char* MeanOfSpeciesData = "meanOf";
inline constexpr const char* MinimumOfSpeciesData = "minimumOf";
inline constexpr const char* MaximumOfSpeciesData = "maximumOf";
inline constexpr const char* ShannonWiener = "sh_store_Click";
inline constexpr const char* PielouEvenness = "even_Click#0";
inline constexpr const char* EvarEvenness = "even_Click#1";
inline constexpr const char* Irradiation = "potentialAnnualDirectIrradiationAndHeatLoad";
// Sorting
inline constexpr const char* MoveSpeciesUpwards = "naho_Click#0";
inline constexpr const char* MoveSpeciesDownwards = "naho_Click#1";
inline constexpr const char* MoveRelevesLeft = "vlev_Click#0";
inline constexpr const char* MoveRelevesRight = "vlev_Click#1";
inline constexpr const char* MoveRelevesLeftInGroups = "vlev_Click#2";
inline constexpr const char* MoveRelevesRightInGroups = "vlev_Click#3";
inline constexpr const char* SortRelevesForColour1 = "sortturb_Click#0";
inline constexpr const char* SortRelevesForColour2 = "sortalfa_Click#0";
// Separators
inline constexpr const char* SeparatorsWithinReleves = "separatorsWithinReleves";
inline constexpr const char* RemoveSelectedSeparators = "delsep_Click#0";
inline constexpr const char* RemoveSeparatorsFrom = "delsep_Click#2";
inline constexpr const char* RemoveSeparatorsTo = "delsep_Click#3";
// Synoptic Table: the one-value views ("synopt_Click#1".."#4" for types 1-4,
// "synav_Click#0".."#6" for types 5-11) and the combined table.
inline constexpr const char* SynopticConstancyAndFidelity = "synopt_Click";
inline constexpr const char* SynopticAbundance = "synav_Click";
inline constexpr const char* CombinedSynopticTable = "percwithvali_Click";

// Indicator Values
inline constexpr const char* IndicatorInitiation = "elleinit_Click";
inline constexpr const char* IndicatorMeansOfReleve = "ellenberg_Click";
inline constexpr const char* IndicatorAxis = "indivalu_Click";  // items #0..#5
// Analysis
inline constexpr const char* BealsForReleves = "bealsSmoothingForReleves";
inline constexpr const char* BealsFromAllReleves = "cockrele_Click";

}  // namespace zembu::core::menu
