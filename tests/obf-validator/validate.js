// Validates .obz sets with the Open Board Format validator of @willwade/aac-processors:
// the archive (manifest, paths) and then every board it holds, which the archive check
// alone does not open. Prints one line per error or warning; exits 1 when any set has
// an error.
const fs = require("fs");
const path = require("path");
const JSZip = require(require.resolve("jszip", { paths: [require.resolve("@willwade/aac-processors")] }));
const { ObfValidator } = require("@willwade/aac-processors/validation");

function problems(result, where) {
  const lines = [];
  for (const check of result.results) {
    if (!check.valid) lines.push(`${where}: ERROR ${check.type}: ${check.error}`);
    for (const w of check.warnings || []) lines.push(`${where}: warning ${check.type}: ${w}`);
  }
  return lines;
}

async function validateSet(file) {
  const bytes = fs.readFileSync(file);
  const set = await new ObfValidator().validate(bytes, path.basename(file), bytes.length);
  let valid = set.valid;
  const lines = problems(set, path.basename(file));
  const zip = await JSZip.loadAsync(bytes);
  const manifest = JSON.parse(await zip.file("manifest.json").async("string"));
  for (const boardPath of Object.values(manifest.paths.boards)) {
    const board = await zip.file(boardPath).async("nodebuffer");
    const result = await new ObfValidator().validate(board, path.basename(boardPath), board.length);
    valid = valid && result.valid;
    lines.push(...problems(result, `${path.basename(file)}:${boardPath}`));
  }
  return { valid, lines };
}

(async () => {
  let ok = true;
  for (const file of process.argv.slice(2)) {
    const { valid, lines } = await validateSet(file);
    lines.forEach((l) => console.log(l));
    console.log(`${file}: ${valid ? "valid" : "INVALID"}`);
    ok = ok && valid;
  }
  process.exit(ok ? 0 : 1);
})().catch((e) => {
  console.error(e);
  process.exit(1);
});
