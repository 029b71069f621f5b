// Writes the symbol library's word index and copies its pictures.
//   node symbol-index.js NODE_MODULES TARGET
// TARGET/words.tsv: "# Orvel symbol words 1", then one line per symbol and language,
//   HEXCODE <TAB> LANGUAGE <TAB> NAME <TAB> WORD|WORD|...
// in OpenMoji's order; TARGET/svg/HEXCODE.svg for every symbol listed.
'use strict';
const fs = require('fs');
const path = require('path');

const [modules, target] = process.argv.slice(2);
if (!modules || !target) {
  console.error('usage: node symbol-index.js NODE_MODULES TARGET');
  process.exit(2);
}
const openmoji = JSON.parse(fs.readFileSync(path.join(modules, 'openmoji/data/openmoji.json'), 'utf8'));
const languages = ['ca', 'es', 'en'];
// CLDR keys are the emoji without variation selectors; OpenMoji writes some with them.
const bare = (s) => s.replace(/\uFE0F/g, '');
const annotations = {};
for (const language of languages) {
  const file = path.join(modules, 'cldr-annotations-full/annotations', language, 'annotations.json');
  const table = JSON.parse(fs.readFileSync(file, 'utf8')).annotations.annotations;
  annotations[language] = new Map(Object.entries(table).map(([k, v]) => [bare(k), v]));
}

// Tabs, bars and line ends separate the fields; nothing else is touched.
const clean = (s) => String(s || '').replace(/[\t|\r\n]+/g, ' ').replace(/\s+/g, ' ').trim();
const split_tags = (s) => String(s || '').split(',').map(clean).filter(Boolean);
const unique = (list) => [...new Set(list.map(clean).filter(Boolean))];

const lines = ['# Orvel symbol words 1'];
let count = 0;
for (const symbol of openmoji) {
  // Skin-tone variants repeat their base symbol's words; the base is offered alone.
  if (symbol.skintone) continue;
  const picture = path.join(modules, 'openmoji/color/svg', symbol.hexcode + '.svg');
  if (!fs.existsSync(picture)) continue;
  let written = 0;
  for (const language of languages) {
    const cldr = symbol.emoji ? annotations[language].get(bare(symbol.emoji)) : undefined;
    let name = cldr && cldr.tts ? clean(cldr.tts[0]) : '';
    let words = cldr && cldr.default ? cldr.default : [];
    if (language === 'en') {
      if (!name) name = clean(symbol.annotation);
      words = words.concat(split_tags(symbol.tags), split_tags(symbol.openmoji_tags));
    }
    if (!name) continue;
    lines.push([symbol.hexcode, language, name, unique(words).join('|')].join('\t'));
    ++written;
  }
  if (!written) continue;
  fs.copyFileSync(picture, path.join(target, 'svg', symbol.hexcode + '.svg'));
  ++count;
}
fs.writeFileSync(path.join(target, 'words.tsv'), lines.join('\n') + '\n');
console.log(`symbol index: ${count} symbols, ${lines.length - 1} word lines`);
