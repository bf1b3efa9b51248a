// The three form descriptions: fields in printed order with their components, settings
// keys and units, the answers, and the computes.
#include "analyses/other/form_computes.h"
#include "analyses/other/form_def.h"
#include "engine/units.h"
#include "model/settings_keys.h"

namespace qora {

namespace {

using K = FormFieldKind;

FormField Field(const char* label, const char* fallback, const char* control, const char* unitName,
                const char* key, K kind, int unitCode, int shape = -1) {
  return {label, fallback, control, unitName, key, kind, unitCode, nullptr, nullptr, shape};
}
FormField FieldWithUnitText(const char* label, const char* fallback, const char* control,
                            const char* unitName, const char* key, K kind, const char* unitText) {
  return {label, fallback, control, unitName, key, kind, 0, nullptr, unitText, -1};
}

FormDef Duct() {
  return {FormId::Duct,
          "duct",
          kSecDuct,
          "DuctPanel",
          "DuctText",
          "Duct System",
          "QORA2000-Duct",
          "DuctC680Label",
          "DucthaHelp",
          "DuctPrintBitBtn",
          "DuctRetBitBtn",
          {
              Field("DuctLabel1", "Room Temperature Tdb", "DuctTdbEdit", "DuctTdbUntLabel", "Tdb",
                    K::Number, kQTemperature),
              Field("DuctLabel2", "Air Temperature in Duct", "DuctTopEdit", "DuctTopUntLabel",
                    "Top", K::Number, kQTemperature),
              FieldWithUnitText("DuctLabel3", "Relative Humidity", "DuctRHComboBox",
                                "DuctRHUntLabel", "%RH", K::RhList, "%"),
              Field("DuctLabel4", "Surface Coefficient ha", "DucthaEdit", "DucthaUntLabel", "Hair",
                    K::SurfaceCoef, kQSurfaceCoef),
              Field("DuctLabel5", "Thermal Conductivity k", "DuctkComboBox", "DuctkUntLabel", "k",
                    K::KChilledList, kQConductivity),
          },
          {{FormAnswerKind::Thickness, "DuctAnsTLabel", "Answer : Minimum Insulation Thickness",
            "DuctAnsTLabel", "DuctAnsLabel", "DuctAnsUntLabel", kQThickness}},
          ComputeDuctForm};
}

FormDef Operating() {
  return {FormId::Operating,
          "operating",
          kSecOperating,
          "OprtPanel",
          "OprtText",
          "Operating Equipment",
          "QORA2000-Operating",
          "OprtC680Label",
          "OprtHaHelp",
          "OprtPrintBitBtn",
          "OprtRetBitBtn",
          {
              Field("OprtLabel1", "Room Temperature Tdb", "OprtTdbEdit", "OprtTdbUntLabel", "Tdb",
                    K::Number, kQTemperature),
              Field("OprtLabel4", "Operating Temperature", "OprtTopEdit", "OprtTopUntLabel", "Top",
                    K::Number, kQTemperature),
              FieldWithUnitText("OprtLabel8", "Relative Humidity", "OprtRHComboBox",
                                "OprtRHUntLabel", "%RH", K::RhList, "%"),
              Field("OprtLabel6", "Surface Coefficient ha", "OprtHaEdit", "OprtHaUntLabel", "Hair",
                    K::SurfaceCoef, kQSurfaceCoef),
              Field("OprtLabel10", "Thermal Conductivity k", "OprtKComboBox", "OprtKUntLabel", "k",
                    K::KChilledList, kQConductivity),
          },
          // The printed thickness line takes the shorter answer caption of the tank form.
          {{FormAnswerKind::Thickness, "OprtAnsTLabel",
            "Minimum Insulation Thickness Recommendations to Prevent Condensation",
            "StorAnsLabel01", "OprtAnsThLabel", "OprtAnsThUntLabel", kQThickness},
           {FormAnswerKind::HeatGain, "OprtAnsHLabel", "Heat Gain", "OprtAnsHLabel",
            "OprtAnsEnLabel", "OprtAnsEnUntLabel", kQHeatPerArea}},
          ComputeOperatingForm};
}

FormDef Storage() {
  FormField hours = Field("StorLabel06", "Storage Time", "StorTimeEdit", "StorUntLabel06",
                          "Time-hr", K::Number, 0);
  hours.unitRole = "StorUntLabel06";
  return {FormId::Storage,
          "storage",
          kSecStorage,
          "StoragePanel",
          "StorageText",
          "Storage Tank",
          "QORA2000-Storage",
          "StorC680Label",
          "StorhaHelp",
          "StoragePrintBitBtn",
          "StorRetBitBtn",
          {
              Field("StorSqLabel01", "Width", "StorSqWidEdit", "StorSqUntLabel01", "BoxWidth",
                    K::Number, kQLength, 0),
              Field("StorSqLabel02", "Height", "StorSqHghEdit", "StorSqUntLabel02", "BoxHeight",
                    K::Number, kQLength, 0),
              Field("StorSqLabel03", "Length", "StorSqLenEdit", "StorSqUntLabel03", "BoxLength",
                    K::Number, kQLength, 0),
              Field("StorCylLabel01", "Diameter", "StorCylDiaEdit", "StorCylUntLabel01",
                    "CylDiameter", K::Number, kQLength, 1),
              Field("StorCylLabel02", "Length", "StorCylLenEdit", "StorCylUntLabel02", "CylLength",
                    K::Number, kQLength, 1),
              Field("StorSphLabel", "Diameter", "StorSphDiaEdit", "StorSphUntLabel", "SphDiameter",
                    K::Number, kQLength, 2),
              Field("StorLabel01", "Room Temperature Tdb", "StorTdbEdit", "StorUntLabel01", "Tdb",
                    K::Number, kQTemperature),
              Field("StorLabel02", "Water Temperature at Start", "StorTstEdit", "StorUntLabel02",
                    "Tst", K::Number, kQTemperature),
              Field("StorLabel03", "Surface Coefficient ha", "StorhaEdit", "StorUntLabel03", "Hair",
                    K::SurfaceCoef, kQSurfaceCoef),
              Field("StorLabel04", "Water Temperature at End", "StorTendEdit", "StorUntLabel04",
                    "Tend", K::Number, kQTemperature),
              Field("StorLabel05", "Thermal Conductivity k", "StorKComboBox", "StorUntLabel05", "k",
                    K::KTankList, kQConductivity),
              hours,
              FieldWithUnitText("StorLabel07", "Tank Filled with Water", "StorPercEdit",
                                "StorUntLabel07", "Percent", K::Number, "%"),
          },
          {{FormAnswerKind::Thickness, "StorAnsLabel01", "Answer : Minimum Insulation Thickness",
            "StorAnsLabel01", "StorAnsLabel02", "StorAnsUntLabel", kQThickness}},
          ComputeStorageForm};
}

}  // namespace

const std::vector<FormDef>& FormDefs() {
  static const std::vector<FormDef> defs = {Duct(), Storage(), Operating()};
  return defs;
}

const FormDef& FormOf(FormId id) {
  for (const FormDef& d : FormDefs()) {
    if (d.id == id) return d;
  }
  return FormDefs().front();
}

const FormDef* FindForm(const std::string& cliName) {
  for (const FormDef& d : FormDefs()) {
    if (cliName == d.cliName) return &d;
  }
  return nullptr;
}

}  // namespace qora
