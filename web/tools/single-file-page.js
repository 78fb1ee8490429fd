// Writes the one-file page: the page's template with the program's script and its WebAssembly
// written into it, so that it opens from disk, where a browser fetches nothing beside it.
// Usage: node single-file-page.js <template.html> <lumivor.js> <lumivor.wasm> <lumivor.html>
'use strict';
const fs = require('fs');

const [templatePath, scriptPath, wasmPath, outputPath] = process.argv.slice(2);
const marker = '<!-- lumivor -->';
const template = fs.readFileSync(templatePath, 'utf8');
if (!template.includes(marker)) throw new Error(`${templatePath} has no ${marker}`);
// A script may not hold its own end tag.
const script = fs.readFileSync(scriptPath, 'utf8').replace(/<\/script/gi, '<\\/script');
const wasm = fs.readFileSync(wasmPath).toString('base64');
const program =
    '<script>\n' +
    `var Module = {wasmBinary: Uint8Array.from(atob('${wasm}'), (c) => c.charCodeAt(0))};\n` +
    '</script>\n' +
    `<script>\n${script}\n</script>`;
fs.writeFileSync(outputPath, template.replace(marker, () => program));
