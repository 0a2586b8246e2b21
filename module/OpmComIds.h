#pragma once

#include <array>

// The identifiers of the add-on's COM property module, in registration order, in the
// registry form ("{...}", upper-case hexadecimal).
namespace frame::opm {

struct ComId {
    const wchar_t* name;
    const wchar_t* id;
};

inline constexpr const wchar_t* kComModuleFileName = L"TessaformOPM.dll";
inline constexpr const wchar_t* kListingFileName = L"RegistryIDs.dat";

inline constexpr const wchar_t* kTypeLibId = L"{76EF0D49-DD1E-4714-B6B9-E45EDE3C81DA}";
inline constexpr const wchar_t* kTypeLibVersion = L"1.1";
inline constexpr const wchar_t* kTypeLibDescription = L"Tessaform 1.0 Type Library";

// The standard automation marshaller, proxy and stub of every interface.
inline constexpr const wchar_t* kProxyStubClsid = L"{00020424-0000-0000-C000-000000000046}";

inline constexpr std::array<ComId, 19> kClasses = {{
    {L"Bolt", L"{2CE559DB-0008-4AA7-8E1D-7DCEBAB7D2C4}"},
    {L"Prof", L"{C56B631B-22FB-4142-AD73-37AD2CB5D18D}"},
    {L"Struct", L"{0131C632-D769-4F66-B455-EB87522AB6EE}"},
    {L"Plate", L"{4D3619EC-7068-4AF0-B5A9-A982CE747699}"},
    {L"DynProp", L"{E6078CBB-F82E-49B3-8062-FA0562C9B56A}"},
    {L"FuncPage", L"{5448D9C0-BCC5-47E5-949E-53359B22C365}"},
    {L"FuncPage2", L"{ADFA2B87-CB99-4F72-BE37-2F8B812F2444}"},
    {L"FuncPage3", L"{6755AD00-0490-45E1-88EC-300F824C3EF4}"},
    {L"ZoomPage", L"{5779C6DE-5F8C-4CFC-A9B5-1E1B720EA9E3}"},
    {L"Macro", L"{034405EA-388A-485D-B732-2254C423AA14}"},
    {L"Array", L"{2346B38A-6B19-4B31-8C34-64A046C42C7E}"},
    {L"Coordsys", L"{3579BCA1-6F5E-466A-950F-B3379E3F6232}"},
    {L"Pattern", L"{9C8CE529-EFD9-44FB-BF3C-5A35E2EA379A}"},
    {L"Helix", L"{B5F8E867-6A5F-46EA-BCBF-FFEDA9581AA3}"},
    {L"PerInstanceFactory", L"{BDC04F4A-53D8-4F8A-9432-E92C737CF59F}"},
    {L"PerInstanceProperty", L"{5A7062A1-444D-49E9-B21B-F78C83B38CA6}"},
    {L"BoltPerInstanceProperty", L"{97FB673D-488E-458C-A1BA-2B8FB3FFE2F0}"},
    {L"BodyPerInstanceProperty", L"{A0387E2F-6753-4A2A-9963-ADF78B87DE3F}"},
    {L"OPMBody", L"{99322C59-46B7-47EB-AAC6-E272149A7652}"},
}};

inline constexpr std::array<ComId, 14> kInterfaces = {{
    {L"IBolt", L"{5037D355-E825-46B1-87DC-446318A128DE}"},
    {L"IProf", L"{85E635CB-2E4C-4AD5-BEAB-72445EEC8FA3}"},
    {L"IStruct", L"{00A67179-E292-43EA-8452-DAB5FF5AB5E1}"},
    {L"IPlate", L"{C4966C0B-F4E2-41ED-B254-476B05131D82}"},
    {L"IMacro", L"{72A8E655-612A-4144-89EE-B92A74B2301E}"},
    {L"IArray", L"{8473328D-4227-4946-B580-96FC408CF37D}"},
    {L"ICoordsys", L"{65221253-3577-4296-899F-A8A366A1C433}"},
    {L"IPattern", L"{7F98A815-0BA8-491C-8BF5-7389753F24A1}"},
    {L"IHelix", L"{B1E30D13-48A7-420B-8C8C-7BD9817C1F29}"},
    {L"IPerInstanceFactory", L"{213B4068-BC70-4C41-BAB8-C2552B2821D3}"},
    {L"IPerInstanceProperty", L"{C6393D65-E336-4D13-BBAA-0CA6AE04DB9C}"},
    {L"IBoltPerInstanceProperty", L"{F98CA018-E287-42B0-9BF0-828740EC3680}"},
    {L"IBodyPerInstanceProperty", L"{0B0545FE-BD42-4849-86C0-9DFF1F1B86B3}"},
    {L"IOPMBody", L"{FD056682-2994-42D1-9495-B450A402CEF2}"},
}};

} // namespace frame::opm
