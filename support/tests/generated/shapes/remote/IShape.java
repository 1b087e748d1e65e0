package shapes.remote;

/** This class corresponds to a COM interface. */
public class IShape extends brivel.TavoObject {

	public double Area() throws brivel.TavoException
	{
		brivel.server.TransactInvoke retObj = __TavoInvoke( "Area", null, null, null );
		brivel.server.RemoteException ex = retObj.getException();
		if ( ex != null ) {
			if ( ex.isRuntimeException()) throw ex.runtimeException();
			throw ex.getException();
		}
		return retObj.getDouble();
	}

	public void Move( int dx, int[] dy ) throws brivel.TavoException
	{
		brivel.server.TransactInvoke retObj = __TavoInvoke( "Move", 
			new Class[]{ Integer.TYPE, int[].class },
			new Object[]{ new Integer( dx ), dy },
			new boolean[]{ false, true} );
		brivel.server.RemoteException ex = retObj.getException();
		if ( ex != null ) {
			if ( ex.isRuntimeException()) throw ex.runtimeException();
			throw ex.getException();
		}
		retObj.copyOut( dy );
	}

	public String Name( String prefix ) throws brivel.TavoException
	{
		brivel.server.TransactInvoke retObj = __TavoInvoke( "Name", 
			new Class[]{ String.class },
			new Object[]{ prefix },
			null );
		brivel.server.RemoteException ex = retObj.getException();
		if ( ex != null ) {
			if ( ex.isRuntimeException()) throw ex.runtimeException();
			throw ex.getException();
		}
		return (String) retObj.getObject( null );
	}

	/** Use this method only for creating a COM interface of type IShape
	  * from another existing COM interface, when you know that it is possible.
	  */
	public IShape( brivel.TavoClientObjMap remoteOnly )
	{
		super( remoteOnly );
	}

	public IShape()
	{
	}

	public static IShape _brivelCoerceObject(brivel.TavoObject obj) throws brivel.TavoException
	{
		return (IShape) __TavoStaticCoerce( obj, IShape.class );
	}

}

