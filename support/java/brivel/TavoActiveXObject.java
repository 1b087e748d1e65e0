package brivel;

/** Base of the generated classes of ActiveX controls. */
public class TavoActiveXObject extends TavoObject {
    /** The container that shows the control, once set. */
    protected TavoActiveXContainer __TavoContainer;

    public TavoActiveXObject() {
    }

    public TavoActiveXObject(TavoClientObjMap remoteOnly) {
        super(remoteOnly);
    }
}
