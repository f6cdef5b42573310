#pragma once

// The catalogue: every usable package below the program's directory, sorted
// by name for the player's language. Built once at start-up; bad candidates
// are reported one notice each (unless IgnoreErrors) and skipped.

#include <memory>
#include <string>
#include <vector>

#include "catalogue/Package.h"

class TPackageList {
 public:
  TPackageList();
  // Destroys the packages in list order; each writes its player data.
  ~TPackageList();
  TPackageList(const TPackageList&) = delete;
  TPackageList& operator=(const TPackageList&) = delete;

  int Count() const { return static_cast<int>(Packages_.size()); }
  TPackage& operator[](int Index) const { return *Packages_.at(static_cast<std::size_t>(Index)); }

  // Candidate package directories: the program directory (with its
  // separator) followed by each sub-directory's name, in listing order.
  std::vector<std::string> Directories;

 private:
  void FindDirectories();
  void LoadPackages();

  std::vector<std::unique_ptr<TPackage>> Packages_;
};

extern const char* const PackageConfigurationMissingText;
extern const char* const PackageIncompleteText;
