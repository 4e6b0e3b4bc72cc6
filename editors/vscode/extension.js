// Starts korvel-lsp for mIRC scripts and hands it every .mrc document the
// editor opens: the server checks them as Korvel does and answers hover,
// completion, signature help and outline requests.
'use strict';

const vscode = require('vscode');
const { LanguageClient, TransportKind } = require('vscode-languageclient/node');

let client;

function activate(context) {
  const command = vscode.workspace.getConfiguration('korvel').get('serverPath') || 'korvel-lsp';
  const server = { command, transport: TransportKind.stdio };
  client = new LanguageClient(
    'korvel',
    'Korvel',
    { run: server, debug: server },
    { documentSelector: [{ language: 'mirc' }] }
  );
  context.subscriptions.push(client);
  return client.start();
}

function deactivate() {
  return client ? client.stop() : undefined;
}

module.exports = { activate, deactivate };
