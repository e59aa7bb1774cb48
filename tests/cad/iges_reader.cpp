// Loads an IGES file with OpenCASCADE's reader and prints what it found, one item per line:
//   status <0 = read, otherwise the reader's return status>
//   fails <number of entities or global checks with failures>
//   type <entity type> <count>
//   roots <transferable roots>  shapes <shapes after transferring them>
#include <IGESControl_Reader.hxx>
#include <IGESData_IGESEntity.hxx>
#include <IGESData_IGESModel.hxx>
#include <Interface_Check.hxx>
#include <Interface_CheckIterator.hxx>
#include <XSControl_WorkSession.hxx>

#include <iostream>
#include <map>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: iges_reader file.igs\n";
        return 2;
    }
    IGESControl_Reader reader;
    const IFSelect_ReturnStatus status = reader.ReadFile(argv[1]);
    std::cout << "status " << (status == IFSelect_RetDone ? 0 : static_cast<int>(status)) << '\n';
    if (status != IFSelect_RetDone) return 1;

    int fails = 0;
    const Interface_CheckIterator checks = reader.WS()->ModelCheckList(Standard_True);
    for (checks.Start(); checks.More(); checks.Next()) {
        if (checks.Value()->HasFailed()) {
            ++fails;
            for (int i = 1; i <= checks.Value()->NbFails(); ++i) {
                std::cerr << "fail: " << checks.Value()->CFail(i) << '\n';
            }
        }
    }
    std::cout << "fails " << fails << '\n';

    const Handle(IGESData_IGESModel) model = reader.IGESModel();
    std::map<int, int> counts;
    for (int i = 1; i <= model->NbEntities(); ++i) ++counts[model->Entity(i)->TypeNumber()];
    for (const auto& [type, count] : counts) std::cout << "type " << type << ' ' << count << '\n';

    std::cout << "roots " << reader.NbRootsForTransfer() << '\n';
    reader.TransferRoots();
    std::cout << "shapes " << reader.NbShapes() << '\n';
    return 0;
}
