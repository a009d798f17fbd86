<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="ja">
<context>
    <name>CLSGeneralPageWidget</name>
    <message>
        <source>自動 (システムの言語)</source>
        <translation>Automatic (system language)</translation>
    </message>
    <message>
        <source>表示言語(&amp;I)：</source>
        <translation>&amp;Interface language:</translation>
    </message>
    <message>
        <source>表示言語の変更は、次に起動したときから有効になります。</source>
        <translation>A new interface language takes effect the next time Vorel starts.</translation>
    </message>
</context>
<context>
    <name>Core</name>
    <message>
        <source>ファイル %1 を読み込めません。</source>
        <translation>Cannot read the file %1.</translation>
    </message>
    <message>
        <source>ファイル %1 を開けません。</source>
        <translation>Cannot open the file %1.</translation>
    </message>
</context>
</TS>
